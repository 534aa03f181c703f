#pragma once
// How a practice run is written for a person: in the practice record's table and in a score's
// properties.
#include "score/PracticeRun.h"

#include <QString>

namespace PracticeRunText {

// "2024-05-01 20:31", local time.
QString finished(const PracticeRun& run);
// "等待正确的键" or "按节拍".
QString way(const PracticeRun& run);
// "100%".
QString speed(const PracticeRun& run);
// "全曲" or "第 5–28 行".
QString passage(const PracticeRun& run);
// "98 / 120 (82%)".
QString rightFirstTime(const PracticeRun& run);
// The share right first time as a whole percentage, halves to even.
int rightFirstTimePercent(const PracticeRun& run);
// "平均 42 ms / 90% 88 ms"; "" for a run not in time or without strikes to measure.
QString timing(const PracticeRun& run);
// The results a person sees at the end of a run or a pass: "跟弹结束：首次弹对 98 个音符（82%），
// 弹错 3 次，最长连对 40 个，速度 100%"; in time also the missed notes and the timing, for a
// passage its rows after 跟弹结束.
QString result(const PracticeRun& run);
// One line for the properties: "2024-05-01 20:31  首次弹对 98 / 120
// (82%)，等待正确的键，100%，全曲".
QString summary(const PracticeRun& run);

} // namespace PracticeRunText
