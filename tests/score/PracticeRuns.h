#pragma once
// Practice runs for the tests of the practice record, and a way to compare them in full.
#include "score/PracticeRun.h"

#include <QString>
#include <QStringList>

// A run in time at 80% on rows 5 to 28, or one waiting for the key over the whole score; the
// minute tells runs apart and orders them.
inline PracticeRun practiceRun(int rightFirstTime, int notes, int minute, bool inTime = false) {
    PracticeRun run;
    run.finished = QDateTime(QDate(2024, 5, 1), QTime(20, 0).addSecs(60 * minute));
    run.notes = notes;
    run.rightFirstTime = rightFirstTime;
    run.wrongStrikes = notes - rightFirstTime + 2;
    run.longestRightRun = rightFirstTime / 2;
    if (inTime) {
        run.way = PracticeRun::Way::InTime;
        run.speedPercent = 80;
        run.wholeScore = false;
        run.firstRow = 5;
        run.lastRow = 28;
        run.missed = (notes - rightFirstTime) / 2;
        run.meanTimingErrorMs = 41.5;
        run.p90TimingErrorMs = 88.0;
    }
    return run;
}

// Every field, for comparing runs with readable failures.
inline QString describe(const PracticeRun& run) {
    const auto ms = [](const std::optional<double>& v) {
        return v ? QString::number(*v) : QStringLiteral("-");
    };
    return QStringLiteral("%1 way%2 %3% rows%4:%5-%6 %7/%8 wrong%9 missed%10 run%11 %12/%13")
        .arg(run.finished.toUTC().toString(Qt::ISODateWithMs))
        .arg(int(run.way))
        .arg(run.speedPercent)
        .arg(run.wholeScore)
        .arg(run.firstRow)
        .arg(run.lastRow)
        .arg(run.rightFirstTime)
        .arg(run.notes)
        .arg(run.wrongStrikes)
        .arg(run.missed)
        .arg(run.longestRightRun)
        .arg(ms(run.meanTimingErrorMs), ms(run.p90TimingErrorMs));
}

inline QStringList describe(const QList<PracticeRun>& runs) {
    QStringList out;
    for (const PracticeRun& run : runs)
        out << describe(run);
    return out;
}
