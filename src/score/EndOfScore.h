#pragma once
// What happens when a score has played its last row: the playing-list mode picks the next
// entry, or playback stops and the completion action runs.
#include "score/PlayingListView.h"

#include <functional>

namespace EndOfScore {

// The items of the playing-list submenu; None when no item is checked.
enum class ListMode { None = -1, Loop = 0, Random = 1, Sequential = 2, Single = 3, SingleLoop = 4 };
// The items of the completion submenu (item 3 is a separator); None when no item is checked.
enum class CompletionAction { None = -1, Shutdown = 0, Sleep = 1, ExitProgram = 2, Nothing = 4 };

struct Decision {
    enum class Kind {
        PlayEntry,        // play the entry at `index`
        Next,             // the transport's Next: the next entry, after the last the first
        StopThenComplete, // stop, then run the completion action
        NoScore,          // start nothing
    };
    Kind kind = Kind::NoScore;
    int index = -1;
    bool operator==(const Decision&) const = default;
};

// `uniform` gives a number in [0, 1) for the random mode. `list` may be null (an empty list).
Decision decide(ListMode mode, const PlayingListView* list, const std::function<double()>& uniform);

} // namespace EndOfScore
