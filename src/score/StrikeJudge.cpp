#include "score/StrikeJudge.h"

namespace StrikeJudge {

Verdict judge(const std::optional<DueNote>& due, int keyIndex) {
    if (!due) return Verdict::Unjudged;
    return keyIndex == due->key ? Verdict::Right : Verdict::Wrong;
}

} // namespace StrikeJudge
