#pragma once
// How practice judges one strike of the player: against the note to strike next, whether the
// score waits at it or has not reached it yet.
#include "score/DueNote.h"

namespace StrikeJudge {

enum class Verdict {
    Right,    // the key of the due note: the score goes on from this strike
    Wrong,    // another key while a note is due: counted, the score stays
    Unjudged, // nothing left to strike (no note follows, or practice is not running)
};

Verdict judge(const std::optional<DueNote>& due, int keyIndex);

} // namespace StrikeJudge
