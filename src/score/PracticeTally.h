#pragma once
// The count of one practice run: the notes struck right, those struck right with no wrong key
// before them, and the wrong keys, as practice waiting for the right key counts them.
#include <QtGlobal>

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

private:
    int notes_ = 0;
    int rightFirstTime_ = 0;
    int wrongKeys_ = 0;
    // The row a wrong key was struck for, until its note is taken.
    qint32 missedRow_ = -1;
};
