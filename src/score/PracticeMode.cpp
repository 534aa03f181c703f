#include "score/PracticeMode.h"

void PracticeMode::setEnabled(bool on) {
    if (on == enabled_) return;
    enabled_ = on;
    clearDue();
    if (on) resetCount();
}

void PracticeMode::expect(int keyIndex, qint32 row) {
    // A note asked for again after a pause keeps the misses it had.
    missedDue_ = missedDue_ && row == lastRow_;
    dueKey_ = keyIndex;
    dueRow_ = row;
    lastRow_ = row;
}

void PracticeMode::clearDue() {
    dueKey_ = -1;
    dueRow_ = -1;
}

bool PracticeMode::strike(int keyIndex) {
    if (!isWaiting()) return false;
    if (keyIndex != dueKey_) {
        ++wrongKeys_;
        missedDue_ = true;
        return false;
    }
    if (!missedDue_) ++firstTryHits_;
    missedDue_ = false;
    clearDue();
    return true;
}

void PracticeMode::resetCount() {
    missedDue_ = false;
    firstTryHits_ = 0;
    wrongKeys_ = 0;
}

QString PracticeMode::summary() const {
    return QStringLiteral("跟弹结束：首次弹对 %1 个音符，弹错 %2 次")
        .arg(firstTryHits_)
        .arg(wrongKeys_);
}
