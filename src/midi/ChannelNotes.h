#pragma once
// The notes of one channel of a track: each note-on paired with the note-off that ends it.
#include "midi/SmfFile.h"

#include <QList>
#include <array>

struct SmfNote {
    qint64 startTick = 0;
    // At or after the start: a note-off at the tick of its note-on ends the note there.
    qint64 endTick = 0;
    int pitch = 0;
};

namespace ChannelNotes {

constexpr int kChannelCount = 16;

// Note-ons (velocity above 0) of each channel of the track.
std::array<qsizetype, kChannelCount> counts(const SmfTrack& track);

// The notes of `channel`, by start. Events are taken in file order, so a note-on and a note-off
// of one pitch at one tick make a note of no length when the note-on comes first. A note-off
// ends the earliest note of its pitch still sounding (a pitch struck again before its release
// sounds twice); a note never released ends with the track's last event.
QList<SmfNote> of(const SmfTrack& track, int channel);

} // namespace ChannelNotes
