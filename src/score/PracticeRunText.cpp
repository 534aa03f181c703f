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

QString result(const PracticeRun& run) {
    const bool inTime = run.way == PracticeRun::Way::InTime;
    QString text = QStringLiteral("跟弹结束%1：首次弹对 %2 个音符（%3%），弹错 %4 次")
                       .arg(run.wholeScore ? QString() : u'（' + passage(run) + u'）')
                       .arg(run.rightFirstTime)
                       .arg(rightFirstTimePercent(run))
                       .arg(run.wrongStrikes);
    if (inTime) text += QStringLiteral("，漏弹 %1 个").arg(run.missed);
    text += QStringLiteral("，最长连对 %1 个，速度 %2").arg(run.longestRightRun).arg(speed(run));
    if (const QString t = timing(run); !t.isEmpty()) text += QStringLiteral("，节拍误差") + t;
    return text;
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
