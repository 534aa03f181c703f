#include "midi/MelodyLine.h"

#include <algorithm>
#include <array>

namespace MelodyLine {
namespace {

struct Change {
    qint64 tick;
    int pitch;
    bool on;
    qint64 noteEnd; // of the note a note-on strikes
};

// At one tick, releases come before strikes, so that a note released and struck again at the
// same moment is struck again.
QList<Change> changesOf(const QList<SmfNote>& notes, qint64 shortTicks) {
    QList<Change> changes;
    changes.reserve(notes.size() * 2);
    for (const SmfNote& note : notes) {
        const qint64 end = std::max(note.endTick, note.startTick + std::max<qint64>(1, shortTicks));
        changes.append({note.startTick, note.pitch, true, end});
        changes.append({end, note.pitch, false, end});
    }
    std::stable_sort(changes.begin(), changes.end(), [](const Change& a, const Change& b) {
        return a.tick != b.tick ? a.tick < b.tick : !a.on && b.on;
    });
    return changes;
}

// A note that became the top only when a higher one ended, though it was struck during that
// one's last half, and sounds at least twice as long as the overlap: a legato joint.
bool isLegatoJoint(qint64 struck, qint64 end, qint64 topSince, qint64 now) {
    const qint64 overlap = now - struck;
    return struck > topSince && 2 * overlap < now - topSince && 2 * overlap <= end - struck;
}

} // namespace

Line extract(const QList<SmfNote>& notes, qint64 shortTicks) {
    Line line;
    std::array<int, 128> sounding{};
    // Of each pitch sounding: when it was last struck, and when that note ends.
    std::array<qint64, 128> struckAt{};
    std::array<qint64, 128> endsAt{};
    int top = -1;
    const QList<Change> changes = changesOf(notes, shortTicks);
    for (qsizetype i = 0; i < changes.size();) {
        const qint64 tick = changes[i].tick;
        std::array<bool, 128> struck{};
        for (; i < changes.size() && changes[i].tick == tick; ++i) {
            const Change& c = changes[i];
            if (!c.on) {
                if (sounding[c.pitch] > 0) --sounding[c.pitch];
                continue;
            }
            ++sounding[c.pitch];
            struck[c.pitch] = true;
            struckAt[c.pitch] = tick;
            endsAt[c.pitch] = std::max(c.noteEnd, sounding[c.pitch] > 1 ? endsAt[c.pitch] : 0);
        }
        int highest = 127;
        while (highest >= 0 && sounding[highest] == 0)
            --highest;
        if (highest == top && (highest < 0 || !struck[highest])) continue;
        const bool joint = highest >= 0 && top >= 0 && !struck[highest] &&
                           !line.stretches.isEmpty() &&
                           isLegatoJoint(struckAt[highest], endsAt[highest],
                                         line.stretches.last().startTick, tick);
        if (joint)
            line.stretches.append({struckAt[highest], highest});
        else if (highest >= 0 || !line.stretches.isEmpty())
            line.stretches.append({tick, highest});
        top = highest;
        if (highest < 0) line.endTick = tick;
    }
    if (!line.stretches.isEmpty() && line.stretches.last().note < 0) line.stretches.removeLast();
    return line;
}

} // namespace MelodyLine
