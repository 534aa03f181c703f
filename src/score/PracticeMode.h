#pragma once
// Practice mode ("跟弹") as the playback engine keeps it: whether it is on, the note row that
// waits for the user to strike its key, and the count of the run: notes hit at the first try and
// wrong keys struck while a note was due.
#include <QString>

class PracticeMode {
public:
    bool enabled() const { return enabled_; }
    // Switching it on starts a new count.
    void setEnabled(bool on);

    // The note of `row` is due until its key is struck.
    void expect(int keyIndex, qint32 row);
    bool isWaiting() const { return dueKey_ >= 0; }
    // -1 when nothing is due.
    int dueKey() const { return dueKey_; }
    qint32 dueRow() const { return dueRow_; }
    // Nothing is due any more; a strike before it counted no hit.
    void clearDue();

    // A key the user struck: true when it is the due note, which is then no longer due. A strike
    // while nothing is due counts neither way.
    bool strike(int keyIndex);

    void resetCount();
    int firstTryHits() const { return firstTryHits_; }
    int wrongKeys() const { return wrongKeys_; }
    // The status text at the end of a score.
    QString summary() const;

private:
    bool enabled_ = false;
    int dueKey_ = -1;
    qint32 dueRow_ = -1;
    // The row asked for last, and whether a wrong key was struck while it was due.
    qint32 lastRow_ = -1;
    bool missedDue_ = false;
    int firstTryHits_ = 0;
    int wrongKeys_ = 0;
};
