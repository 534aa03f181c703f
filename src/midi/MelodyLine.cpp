#include "midi/MelodyLine.h"

#include <array>

namespace MelodyLine {
namespace {

constexpr int kPercussionChannel = 9;

enum class Change { None, Off, On };

Change noteChange(const SmfEvent& event) {
    if (event.kind != SmfEvent::Kind::Channel || (event.status & 0x0F) == kPercussionChannel)
        return Change::None;
    const quint8 kind = event.status & 0xF0;
    if (kind == 0x90 && event.data2 > 0) return Change::On;
    if (kind == 0x80 || kind == 0x90) return Change::Off;
    return Change::None;
}

} // namespace

qsizetype noteCount(const SmfTrack& track) {
    qsizetype count = 0;
    for (const SmfEvent& event : track.events)
        count += noteChange(event) == Change::On;
    return count;
}

Line extract(const SmfTrack& track) {
    Line line;
    // How many note-ons of each note are still without their note-off (several channels, or
    // overlapping strikes of one note).
    std::array<int, 128> sounding{};
    int top = -1;
    const QList<SmfEvent>& events = track.events;
    for (qsizetype i = 0; i < events.size();) {
        const qint64 tick = events[i].tick;
        // All changes at one tick count as one: note-offs first, so that a note released and
        // struck again at the same moment is struck again.
        qsizetype end = i;
        while (end < events.size() && events[end].tick == tick)
            ++end;
        std::array<bool, 128> struck{};
        for (qsizetype j = i; j < end; ++j)
            if (noteChange(events[j]) == Change::Off && sounding[events[j].data1] > 0)
                --sounding[events[j].data1];
        for (qsizetype j = i; j < end; ++j)
            if (noteChange(events[j]) == Change::On) {
                ++sounding[events[j].data1];
                struck[events[j].data1] = true;
            }
        i = end;

        int highest = 127;
        while (highest >= 0 && sounding[highest] == 0)
            --highest;
        if (highest == top && (highest < 0 || !struck[highest])) continue;
        if (highest >= 0 || !line.stretches.isEmpty()) line.stretches.append({tick, highest});
        top = highest;
        if (highest < 0) line.endTick = tick;
    }
    // A note never released ends with the track's last event.
    if (top >= 0) line.endTick = events.isEmpty() ? 0 : events.last().tick;
    if (!line.stretches.isEmpty() && line.stretches.last().note < 0) line.stretches.removeLast();
    return line;
}

} // namespace MelodyLine
