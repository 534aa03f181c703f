#pragma once
// The marks of one practice run (or one pass of a looped passage), one per note row, and the
// figures they add up to: notes asked for, right first time, missed, the longest run of notes
// right first time in score order, and in time the mean and 90th percentile of |offset|.
#include "score/NoteMark.h"
#include "score/Passage.h"
#include "score/PracticeRun.h"

#include <QMap>
#include <optional>

class PracticeMarks {
public:
    // The row's mark, replacing one it had.
    void set(const NoteMark& mark) { marks_.insert(mark.row, mark); }
    void clear() { marks_.clear(); }
    bool isEmpty() const { return marks_.isEmpty(); }
    const QMap<qint32, NoteMark>& marks() const { return marks_; }

    // The counts of the run, of the notes of `passage` when one is given (a lead-in before a
    // looped passage is not part of its pass); `wrongStrikes` is counted by the way of practising.
    PracticeRun run(int wrongStrikes, const std::optional<Passage>& passage) const;

private:
    QMap<qint32, NoteMark> marks_;
};
