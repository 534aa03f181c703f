#pragma once
// The count of one practice run: the notes struck right, those struck right with no wrong key
// before them, and the wrong keys. It gives the run's figures and the text that reports them.
#include "score/PracticeRun.h"

#include <QString>

class PracticeTally {
public:
    // A wrong key struck while the note of `row` was the one to strike.
    void wrongKey(qint32 row);
    // The note of `row` was struck right. It counts as right first time unless a wrong key was
    // struck for it, also before a pause that asked for it again.
    void noteTaken(qint32 row);
    void reset() { *this = PracticeTally(); }

    int notes() const { return notes_; }
    int rightFirstTime() const { return rightFirstTime_; }
    int wrongKeys() const { return wrongKeys_; }

    // The figures of the run so far, as the end of a run reports them.
    PracticeRun run() const;
    // "跟弹结束：首次弹对 N 个音符，弹错 M 次"
    static QString summary(const PracticeRun& run);

private:
    int notes_ = 0;
    int rightFirstTime_ = 0;
    int wrongKeys_ = 0;
    // The row a wrong key was struck for, until its note is taken.
    qint32 missedRow_ = -1;
};
