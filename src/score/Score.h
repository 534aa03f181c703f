#pragma once
// A loaded score: its rows, the three change lists and the figures worked out from them.
// Replaced whole by every load.
#include "score/ChangeList.h"
#include "score/ScoreRow.h"

#include <QList>
#include <QString>

struct Score {
    QList<ScoreRow> rows;
    ChangeList<qint16> InstrumentChanges;
    ChangeList<qint16> KeyChanges;
    ChangeList<QString> CaptionChanges;
    // The largest DurationCode of all rows (0 for a score without rows).
    float MaxDurationCode = 0;
    // The tick X in milliseconds, and the play timer's interval (whole milliseconds, at least 1).
    float tickLength = 0;
    qint32 interval = 1;
    // Estimated time from the start to the end of each row, in milliseconds.
    QList<float> RowEndTimes;
    QString TotalTimeText;
    QString strPlayingFile;

    qint32 rowCount() const { return static_cast<qint32>(rows.size()); }
};
