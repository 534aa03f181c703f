#include "score/PracticeRunText.h"

#include "core/NumberText.h"

#include <QLocale>

namespace PracticeRunText {

QString finished(const PracticeRun& run) {
    return QLocale::c().toString(run.finished.toLocalTime(), QStringLiteral("yyyy-MM-dd HH:mm"));
}

QString way(const PracticeRun& run) {
    return run.way == PracticeRun::Way::InTime ? QStringLiteral("按节拍")
                                               : QStringLiteral("等待正确的键");
}

QString speed(const PracticeRun& run) {
    return QStringLiteral("%1%").arg(run.speedPercent);
}

QString passage(const PracticeRun& run) {
    if (run.wholeScore) return QStringLiteral("全曲");
    return QStringLiteral("第 %1–%2 行").arg(run.firstRow).arg(run.lastRow);
}

int rightFirstTimePercent(const PracticeRun& run) {
    return int(NumberText::roundHalfEven(run.rightFirstTimePercent()));
}

QString rightFirstTime(const PracticeRun& run) {
    return QStringLiteral("%1 / %2 (%3%)")
        .arg(run.rightFirstTime)
        .arg(run.notes)
        .arg(rightFirstTimePercent(run));
}

QString timing(const PracticeRun& run) {
    if (run.way != PracticeRun::Way::InTime || !run.meanTimingErrorMs || !run.p90TimingErrorMs)
        return {};
    return QStringLiteral("平均 %1 ms / 90% %2 ms")
        .arg(qint64(NumberText::roundHalfEven(*run.meanTimingErrorMs)))
        .arg(qint64(NumberText::roundHalfEven(*run.p90TimingErrorMs)));
}

QString summary(const PracticeRun& run) {
    return QStringLiteral("%1  首次弹对 %2，%3，%4，%5")
        .arg(finished(run), rightFirstTime(run), way(run), speed(run), passage(run));
}

} // namespace PracticeRunText
