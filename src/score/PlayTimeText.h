#pragma once
// The texts of the time and position displays.
#include <QList>
#include <QString>

// Seconds as a clock text: "00:00:00" for 0; otherwise [hh:]mm:ss.ss, with the hours shown once
// the seconds round to 3600 or more (125.5 -> "02:05.50", 3725 -> "01:02:05.00"). A seconds
// part that is zero or negative shows as "00.00". Any value, even an absurd one, gives a finite
// text.
QString FormatPlayTime(float seconds);

namespace PlayTimeText {

// "(P%) 第<row+1>行 / 共<total>行", P = (row + 1) / progressMax x 100, halves to even
// (0 when progressMax is not positive).
QString rowText(qint32 currentRow, qint32 totalRows, qint32 progressMax);

// The estimated end of the next row and the total: "<FormatPlayTime> / <total>". Empty when
// the next row lies outside the score (the display is then left as it is).
QString timeText(qint32 currentRow, const QList<float>& rowEndTimes, const QString& totalTimeText);

// The display is in time mode when its present text holds ":".
inline bool isTimeMode(const QString& shown) {
    return shown.contains(u':');
}

} // namespace PlayTimeText
