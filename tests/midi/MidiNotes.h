#pragma once
// The notes of a MIDI file as heard: note number, start and end in the file's ticks.
#include "midi/SmfFile.h"

#include <QList>

struct MidiNote {
    int note;
    qint64 on;
    qint64 off;
    bool operator==(const MidiNote&) const = default;
};

inline QList<MidiNote> notesOf(const SmfTrack& track) {
    QList<MidiNote> out;
    for (const SmfEvent& e : track.events) {
        if (e.kind != SmfEvent::Kind::Channel) continue;
        const int type = e.status & 0xF0;
        if (type == 0x90 && e.data2 > 0) {
            out.append({e.data1, e.tick, -1});
        } else if (type == 0x80 || type == 0x90) {
            for (MidiNote& n : out)
                if (n.note == e.data1 && n.off < 0) n.off = e.tick;
        }
    }
    return out;
}

inline std::ostream& operator<<(std::ostream& os, const MidiNote& n) {
    return os << n.note << "@" << n.on << "-" << n.off;
}
