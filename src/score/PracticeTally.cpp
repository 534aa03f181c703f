#include "score/PracticeTally.h"

void PracticeTally::wrongKey(qint32 row) {
    ++wrongKeys_;
    missedRow_ = row;
}

void PracticeTally::noteTaken(qint32 row) {
    ++notes_;
    if (row != missedRow_) ++rightFirstTime_;
    missedRow_ = -1;
}
