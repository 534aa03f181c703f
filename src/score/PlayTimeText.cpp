#include "score/PlayTimeText.h"

#include "core/NumberText.h"

#include <cmath>

namespace {

// At least two digits, like a "00" picture; a negative number keeps its sign in front.
QString twoDigits(qint64 n) {
    const quint64 magnitude = n < 0 ? 0 - quint64(n) : quint64(n);
    const QString digits = QString::number(magnitude).rightJustified(2, u'0');
    return n < 0 ? u'-' + digits : digits;
}

} // namespace

QString FormatPlayTime(float seconds) {
    if (seconds == 0 || std::isnan(seconds)) return QStringLiteral("00:00:00");
    using NumberText::roundToInt64;
    const qint64 hours = roundToInt64(seconds) / 3600;
    const float rest = NumberText::toSingle(double(seconds) - 3600.0 * double(hours));
    const qint64 minutes = roundToInt64(rest) / 60;
    const float secs = NumberText::toSingle(double(rest) - 60.0 * double(minutes));
    QString text;
    if (hours > 0) text = twoDigits(hours) + u':';
    text += twoDigits(minutes) + u':';
    text +=
        secs > 0 ? QString::number(secs, 'f', 2).rightJustified(5, u'0') : QStringLiteral("00.00");
    return text;
}

namespace PlayTimeText {

QString rowText(qint32 currentRow, qint32 totalRows, qint32 progressMax) {
    const qint64 shownRow = qint64(currentRow) + 1;
    qint64 percent = 0;
    if (progressMax > 0) {
        // Exact rational rounding, so that 27.5 really is a half.
        const qint64 scaled = shownRow * 100;
        const qint64 quotient = scaled / progressMax;
        const qint64 twiceRemainder = 2 * (scaled % progressMax);
        percent = quotient;
        if (twiceRemainder > progressMax || (twiceRemainder == progressMax && quotient % 2 != 0))
            ++percent;
        else if (twiceRemainder < -progressMax ||
                 (twiceRemainder == -progressMax && quotient % 2 != 0))
            --percent;
    }
    return u'(' + QString::number(percent) + QStringLiteral("%) 第") + QString::number(shownRow) +
           QStringLiteral("行 / 共") + QString::number(totalRows) + QStringLiteral("行");
}

QString timeText(qint32 currentRow, const QList<float>& rowEndTimes, const QString& totalTimeText) {
    const qint64 next = qint64(currentRow) + 1;
    if (next < 0 || next >= rowEndTimes.size()) return {};
    return FormatPlayTime(rowEndTimes[next] / 1000.0f) + QStringLiteral(" / ") + totalTimeText;
}

} // namespace PlayTimeText
