#include "midi/MidiTempoMap.h"

#include <QHash>

#include <algorithm>

namespace {
constexpr quint32 kDefaultTempo = 500000;
}

MidiTempoMap::MidiTempoMap(const SmfFile& file) {
    if (file.division < 0) {
        const int fps = -(file.division >> 8);
        const int perFrame = file.division & 0xFF;
        smpteTicksPerSecond_ = (fps == 29 ? 29.97 : fps) * std::max(1, perFrame);
    } else {
        ticksPerQuarter_ = std::max<int>(1, file.division);
    }
    for (const SmfTrack& track : file.tracks)
        for (const SmfEvent& event : track.events)
            if (event.kind == SmfEvent::Kind::Tempo && event.value > 0)
                changes_.append({event.tick, event.value});
    std::stable_sort(changes_.begin(), changes_.end(),
                     [](const Change& a, const Change& b) { return a.tick < b.tick; });
    if (!changes_.isEmpty()) firstTempo_ = changes_.first().tempo;
    if (changes_.isEmpty() || changes_.first().tick > 0) changes_.prepend({0, kDefaultTempo});
}

double MidiTempoMap::milliseconds(qint64 tick) {
    if (smpteTicksPerSecond_ > 0) return double(tick) * 1000.0 / smpteTicksPerSecond_;
    if (tick < changes_[at_].tick) {
        at_ = 0;
        msAtChange_ = 0;
    }
    const auto msPerTick = [this](qsizetype i) {
        return changes_[i].tempo / 1000.0 / ticksPerQuarter_;
    };
    while (at_ + 1 < changes_.size() && changes_[at_ + 1].tick <= tick) {
        msAtChange_ += double(changes_[at_ + 1].tick - changes_[at_].tick) * msPerTick(at_);
        ++at_;
    }
    return msAtChange_ + double(tick - changes_[at_].tick) * msPerTick(at_);
}

quint32 MidiTempoMap::longestTempo(qint64 fromTick, qint64 toTick) const {
    QHash<quint32, double> held;
    for (qsizetype i = 0; i < changes_.size(); ++i) {
        const qint64 from = std::max(fromTick, changes_[i].tick);
        const qint64 to = i + 1 < changes_.size() ? std::min(toTick, changes_[i + 1].tick) : toTick;
        if (to > from) held[changes_[i].tempo] += double(to - from) * changes_[i].tempo;
    }
    quint32 longest = firstTempo_;
    double most = 0;
    for (auto it = held.cbegin(); it != held.cend(); ++it)
        if (it.value() > most || (it.value() == most && it.key() < longest)) {
            longest = it.key();
            most = it.value();
        }
    return longest;
}
