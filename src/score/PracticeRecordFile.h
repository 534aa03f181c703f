#pragma once
// The file that keeps the practice runs of every score: GB18030 text, one line per score and per
// run, tab-separated, every line ended by CR LF, in this shape:
//
//   Tonvale 练习记录 1
//   乐谱<TAB>/home/user/乐谱/虞美人.piano
//   练习<TAB>2024-05-01T20:31:07+08:00<TAB>等待<TAB>100<TAB>全曲<TAB>120<TAB>98<TAB>5<TAB>0<TAB>34<TAB><TAB>
//   练习<TAB>2024-05-02T08:02:45+08:00<TAB>节拍<TAB>80<TAB>5-28<TAB>40<TAB>31<TAB>6<TAB>3<TAB>12<TAB>41.5<TAB>88.0
//   结束<TAB>2
//
// A run's fields: end time (with its offset from UTC, so that a change of time zone never makes
// it unreadable), way, speed in percent, passage ("全曲" or first-last row), notes,
// right first time, wrong strikes, missed, longest right run, mean and 90th-percentile timing
// error in ms (empty when not in time). A path keeps tabs, line breaks and backslashes as \t, \n,
// \r and \\. The last line counts the runs, so that a file cut short anywhere, even between two
// lines, is known to be damaged.
#include "score/PracticeRun.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace PracticeRecordFile {

// Older runs of a score go when a newer one comes.
constexpr int kMaxRunsPerScore = 100;

// The runs of one score, oldest first.
struct ScoreRuns {
    QString scorePath;
    QList<PracticeRun> runs;
    // The score's block exactly as the file held it, when it can be written back unchanged;
    // empty otherwise. Saving then encodes only the blocks that changed.
    QByteArray bytes;
};

struct Contents {
    QList<ScoreRuns> scores;
    // Something in the file was not as written: what follows it was dropped.
    bool damaged = false;
};

// The file's scores and runs as far as the file is whole and valid. A score named twice is one.
Contents parse(const QByteArray& bytes);

// The pieces of a file, which is the header, one block per score and the trailer.
QByteArray header();
QByteArray block(const QString& scorePath, const QList<PracticeRun>& runs);
QByteArray trailer(qsizetype runCount);

// The run as the file keeps it: to the second, timing errors to a tenth of a millisecond, no
// rows for the whole score; a run without a time ends now.
PracticeRun kept(const PracticeRun& run);
// Whether the file can keep this run as it is: counts that add up, a speed and rows in range, a
// valid time. Reading stops at a run it could not have kept.
bool holds(const PracticeRun& run);

} // namespace PracticeRecordFile
