#pragma once
// The figures of one finished practice run (or of one pass of a looped passage): what the results
// view shows at its end and what the record of progress keeps per score.
#include <QDateTime>
#include <QtGlobal>

#include <optional>

struct PracticeRun {
    // Waiting for the right key (the score stops at every note), or in time (the score goes on
    // at its tempo and each strike is judged against its note's onset).
    enum class Way { WaitForKey, InTime };

    QDateTime finished;          // local date and time the run ended
    Way way = Way::WaitForKey;
    int speedPercent = 100;      // 25 to 200
    // The rows practised: the whole score, or the looped passage from its first to its last row.
    bool wholeScore = true;
    qint32 firstRow = 0;
    qint32 lastRow = 0;

    int notes = 0;               // notes asked for
    int rightFirstTime = 0;      // struck right with no wrong strike before them
    int wrongStrikes = 0;        // strikes of a wrong key (or, in time, outside every window)
    int missed = 0;              // in time: notes nobody struck within their window
    int longestRightRun = 0;     // most notes right first time in a row
    // In time: the mean and the 90th percentile of |strike - onset| of the notes struck right.
    std::optional<double> meanTimingErrorMs;
    std::optional<double> p90TimingErrorMs;

    double rightFirstTimePercent() const { return notes > 0 ? 100.0 * rightFirstTime / notes : 0.0; }
};
