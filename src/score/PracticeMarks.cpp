#include "score/PracticeMarks.h"

#include <algorithm>
#include <cmath>

PracticeRun PracticeMarks::run(int wrongStrikes, const std::optional<Passage>& passage) const {
    PracticeRun run;
    run.wrongStrikes = wrongStrikes;
    int rightRun = 0;
    QList<double> errors;
    for (const NoteMark& mark : marks_) {
        if (passage && !passage->contains(mark.row)) continue;
        ++run.notes;
        const bool firstTime = mark.result == NoteMark::Result::RightFirstTime;
        run.rightFirstTime += firstTime;
        run.missed += mark.result == NoteMark::Result::Missed;
        rightRun = firstTime ? rightRun + 1 : 0;
        run.longestRightRun = std::max(run.longestRightRun, rightRun);
        if (mark.struckRight() && mark.timing != NoteMark::Timing::None)
            errors << std::abs(double(mark.offsetMs));
    }
    if (!errors.isEmpty()) {
        std::sort(errors.begin(), errors.end());
        double sum = 0;
        for (double e : errors)
            sum += e;
        run.meanTimingErrorMs = sum / errors.size();
        // The nearest rank: the smallest error that 90 % of the errors do not exceed.
        run.p90TimingErrorMs = errors[qsizetype(std::ceil(0.9 * errors.size())) - 1];
    }
    return run;
}
