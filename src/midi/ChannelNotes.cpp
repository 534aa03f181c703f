#include "midi/ChannelNotes.h"

#include "platform/MidiStatus.h"

#include <algorithm>

namespace ChannelNotes {
namespace {
bool isChannelMessage(const SmfEvent& event) {
    return event.kind == SmfEvent::Kind::Channel;
}
} // namespace

std::array<qsizetype, kChannelCount> counts(const SmfTrack& track) {
    std::array<qsizetype, kChannelCount> counts{};
    for (const SmfEvent& event : track.events)
        if (isChannelMessage(event) && MidiStatus::isNoteOn(event.status, event.data2))
            ++counts[std::size_t(MidiStatus::channel(event.status))];
    return counts;
}

QList<SmfNote> of(const SmfTrack& track, int channel) {
    QList<SmfNote> notes;
    // Per pitch, the positions in `notes` of the notes still sounding, earliest first.
    std::array<QList<qsizetype>, 128> sounding;
    for (const SmfEvent& event : track.events) {
        if (!isChannelMessage(event) || MidiStatus::channel(event.status) != channel) continue;
        QList<qsizetype>& open = sounding[event.data1 & 0x7F];
        if (MidiStatus::isNoteOn(event.status, event.data2)) {
            open.append(notes.size());
            notes.append({event.tick, event.tick, event.data1});
        } else if (MidiStatus::isNoteOff(event.status, event.data2) && !open.isEmpty()) {
            notes[open.takeFirst()].endTick = event.tick;
        }
    }
    const qint64 last = track.events.isEmpty() ? 0 : track.events.last().tick;
    for (const QList<qsizetype>& open : sounding)
        for (qsizetype at : open)
            notes[at].endTick = last;
    // Already by start: the events are in time order.
    return notes;
}

} // namespace ChannelNotes
