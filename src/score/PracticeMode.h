#pragma once
// Practice mode ("跟弹") as the playback engine keeps it: whether it is on, the note the player
// is to strike next, and the count of the run. The player may strike that note before the score
// reaches it (while the note before still sounds, or during a rest before it): a player a little
// ahead of the written lengths is followed, not dropped.
#include "score/DueNote.h"
#include "score/PracticeTally.h"
#include "score/StrikeJudge.h"

class PracticeMode {
public:
    bool enabled() const { return enabled_; }
    // Switching it on starts a new count.
    void setEnabled(bool on);

    // The next note after `row` becomes the one to strike; none when no note follows.
    void lookAhead(const QList<ScoreRow>& rows, qint32 row, const std::optional<Passage>& loop);
    // The score has reached the note of `row` and waits for its key.
    void arrive(qint32 row, int keyIndex);
    // Nothing is due any more.
    void clearDue() { due_.reset(); }

    const std::optional<DueNote>& due() const { return due_; }
    bool isWaiting() const { return due_ && due_->waiting; }
    // -1 when nothing is due.
    int dueKey() const { return due_ ? due_->key : -1; }
    qint32 dueRow() const { return due_ ? due_->row : -1; }

    // A key the player struck, judged against the due note and counted. A right one takes the
    // note, which is then no longer due.
    StrikeJudge::Verdict strike(int keyIndex);

    const PracticeTally& tally() const { return tally_; }
    void resetCount() { tally_.reset(); }

private:
    bool enabled_ = false;
    std::optional<DueNote> due_;
    PracticeTally tally_;
};
