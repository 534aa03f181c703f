#include "score/ScoreSchedule.h"

#include "score/ScoreTiming.h"

namespace ScoreSchedule {

QList<qint64> tickTimes(const Score& score) {
    const qint32 interval = score.interval;
    QList<qint64> times(score.rowCount() + 1, 0);
    // Play starts the grid; its first slot plays row 1.
    qint64 slot = 1;
    for (qint32 r = 1; r <= score.rowCount(); ++r) {
        times[r] = slot * interval;
        if (r == score.rowCount()) break;
        const ScoreRow& row = score.rows[r];
        const qint32 hold =
            row.isNote() || row.KeyIndex == ScoreRow::kRest
                ? ScoreTiming::holdMilliseconds(score.MaxDurationCode, row.DurationCode, interval)
                : 0;
        slot = hold >= 1 ? ScoreTiming::firstSlotAfter(std::chrono::milliseconds(times[r] + hold),
                                                       interval)
                         : slot + 1;
    }
    return times;
}

} // namespace ScoreSchedule
