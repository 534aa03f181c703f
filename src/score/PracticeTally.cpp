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

PracticeRun PracticeTally::run() const {
    PracticeRun run;
    run.way = PracticeRun::Way::WaitForKey;
    run.notes = notes_;
    run.rightFirstTime = rightFirstTime_;
    run.wrongStrikes = wrongKeys_;
    return run;
}

QString PracticeTally::summary(const PracticeRun& run) {
    return QStringLiteral("跟弹结束：首次弹对 %1 个音符，弹错 %2 次")
        .arg(run.rightFirstTime)
        .arg(run.wrongStrikes);
}
