#include "score/PracticeMode.h"

using StrikeJudge::Verdict;

void PracticeMode::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    clearDue();
    if (on) resetCount();
}

void PracticeMode::lookAhead(const QList<ScoreRow>& rows, qint32 row,
                             const std::optional<Passage>& loop) {
    due_ = DueNote::after(rows, row, loop);
}

void PracticeMode::arrive(qint32 row, int keyIndex) {
    due_ = DueNote{row, keyIndex, true};
}

Verdict PracticeMode::strike(int keyIndex) {
    const Verdict verdict = StrikeJudge::judge(due_, keyIndex);
    if (verdict == Verdict::Wrong) tally_.wrongKey(due_->row);
    if (verdict == Verdict::Right) {
        tally_.noteTaken(due_->row);
        clearDue();
    }
    return verdict;
}
