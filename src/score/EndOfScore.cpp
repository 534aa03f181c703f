#include "score/EndOfScore.h"

#include "core/NumberText.h"

namespace EndOfScore {

Decision decide(ListMode mode, const PlayingListView* list,
                const std::function<double()>& uniform) {
    using Kind = Decision::Kind;
    const int count = list ? list->count() : 0;
    const int playing = list ? list->intPlayingIndex() : -1;
    const auto entryIfInList = [count](qint64 index) {
        return index >= 0 && index < count ? Decision{Kind::PlayEntry, int(index)} : Decision{};
    };
    switch (mode) {
    case ListMode::Loop:
        return {Kind::Next};
    case ListMode::Random: {
        if (count <= 0) return {};
        // The first and the last entry are half as likely as the others.
        return entryIfInList(NumberText::roundToInt64(uniform() * (count - 1)));
    }
    case ListMode::Sequential:
        if (count <= 0 || !list->hasSelection()) return {};
        if (playing == count - 1) return {Kind::StopThenComplete};
        return entryIfInList(playing >= 0 ? qint64(playing) + 1 : -1);
    case ListMode::Single:
        return {Kind::StopThenComplete};
    case ListMode::SingleLoop:
        return entryIfInList(playing);
    case ListMode::None:
        break;
    }
    return {};
}

} // namespace EndOfScore
