#pragma once
// Turns the ticks of a MIDI file into milliseconds, following its tempo changes (taken from
// every track, as format 1 files keep them in the first) or its SMPTE time base.
#include "midi/SmfFile.h"

#include <QList>

class MidiTempoMap {
public:
    explicit MidiTempoMap(const SmfFile& file);

    // Ticks must be asked for in non-decreasing order for the walk to stay linear; an earlier
    // tick restarts it from the beginning.
    double milliseconds(qint64 tick);
    // The first tempo of the file in microseconds per quarter note (500000, 120 beats a minute,
    // when it has none).
    quint32 firstTempo() const { return firstTempo_; }
    // The tempo in microseconds per quarter note that holds for the most time between two ticks
    // (the first tempo when the span is empty).
    quint32 longestTempo(qint64 fromTick, qint64 toTick) const;

private:
    struct Change {
        qint64 tick;
        quint32 tempo;
    };
    QList<Change> changes_;
    double ticksPerQuarter_ = 480;
    double smpteTicksPerSecond_ = 0;
    quint32 firstTempo_ = 500000;
    // The walk's position: the change in force and the milliseconds at its tick.
    qsizetype at_ = 0;
    double msAtChange_ = 0;
};
