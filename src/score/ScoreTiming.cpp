#include "score/ScoreTiming.h"

#include "core/NumberText.h"
#include "score/PlayTimeText.h"

#include <limits>

namespace ScoreTiming {

float tickLength(const ScoreWideValues& wide, float maxDurationCode) {
    const double tempo = wide.TempoBpm >= 1 ? wide.TempoBpm : kFallbackTempo;
    if (maxDurationCode <= 0) return NumberText::toSingle(60000.0 / tempo);
    const double beatUnit = wide.BeatUnit >= 1 ? wide.BeatUnit : 0;
    return NumberText::toSingle((60.0 / tempo) * (beatUnit / maxDurationCode) * 1000.0);
}

qint32 timerInterval(float tickLength) {
    return std::max<qint32>(1, NumberText::roundToInt32(tickLength));
}

QList<float> rowEndTimes(const QList<ScoreRow>& rows, float maxDurationCode, float tickLength) {
    QList<float> ends;
    ends.reserve(rows.size());
    float t = 0;
    for (const ScoreRow& row : rows) {
        const double length = row.DurationCode > 0
                                  ? double(maxDurationCode) / row.DurationCode * tickLength
                                  : double(tickLength);
        t = NumberText::toSingle(double(t) + length);
        ends.append(t);
    }
    return ends;
}

qint32 holdMilliseconds(float maxDurationCode, float durationCode, qint32 interval) {
    // Without a positive code the row lasts its one tick; this also keeps a score without any
    // positive code (all of them -1, say) from holding one interval for every row.
    if (durationCode <= 0) return 0;
    float k = maxDurationCode / durationCode - 1.0f;
    if (k == 0) k = maxDurationCode / durationCode;
    return std::max<qint32>(0, NumberText::roundToInt32(double(k) * interval));
}

qint64 firstSlotAfter(std::chrono::nanoseconds elapsed, qint32 interval) {
    return elapsed / std::chrono::nanoseconds(std::chrono::milliseconds(interval)) + 1;
}

void analyse(Score& score, const ScoreWideValues& wide) {
    score.tickLength = tickLength(wide, score.MaxDurationCode);
    score.RowEndTimes = rowEndTimes(score.rows, score.MaxDurationCode, score.tickLength);
    score.TotalTimeText =
        FormatPlayTime(score.RowEndTimes.isEmpty() ? 0.0f : score.RowEndTimes.last() / 1000.0f);
    score.interval = timerInterval(score.tickLength);
}

} // namespace ScoreTiming
