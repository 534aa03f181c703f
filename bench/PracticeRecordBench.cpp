// The practice record with a long history: 500 scores of 100 runs each. How long the first look
// at a score takes (the whole file read), and adding a run (one block encoded, the file
// rewritten atomically), against writing the same bytes with no record at all and against
// encoding every block anew for each save.
//   build/bench/practice_record_bench [scores] [folder]
#include "BenchClock.h"
#include "core/AppPaths.h"
#include "platform/AtomicFile.h"
#include "score/PracticeRecord.h"
#include "score/PracticeRecordFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Each round opens the record anew (a new run of the program), looks once and adds a few runs.
constexpr int kRounds = 7;
constexpr int kAddsPerRound = 5;

QString scorePath(int k) {
    return QStringLiteral("/home/user/乐谱/第%1集/曲目 %2.piano").arg(k / 100).arg(k);
}

PracticeRun run(int k, int i) {
    PracticeRun r;
    // As the record holds its times: with their offset from UTC.
    r.finished = QDateTime(QDate(2024, 1, 1), QTime(8, 0), Qt::OffsetFromUTC, 8 * 3600)
                     .addSecs(qint64(k) * 86400 + i * 600);
    r.notes = 120 + k % 40;
    r.rightFirstTime = (i * 7 + k) % r.notes;
    r.wrongStrikes = i % 9;
    r.longestRightRun = r.rightFirstTime / 3;
    if (i % 2) {
        r.way = PracticeRun::Way::InTime;
        r.speedPercent = 80;
        r.wholeScore = false;
        r.firstRow = 5;
        r.lastRow = 48;
        r.missed = (r.notes - r.rightFirstTime) / 2;
        r.meanTimingErrorMs = 40.0 + i % 13;
        r.p90TimingErrorMs = 90.0 + i % 17;
    }
    return r;
}

QList<PracticeRecordFile::ScoreRuns> history(int scores) {
    QList<PracticeRecordFile::ScoreRuns> all;
    for (int k = 0; k < scores; ++k) {
        PracticeRecordFile::ScoreRuns score{scorePath(k), {}, {}};
        for (int i = 0; i < PracticeRecordFile::kMaxRunsPerScore; ++i)
            score.runs.append(run(k, i));
        all.append(score);
    }
    return all;
}

QByteArray encodeAll(const QList<PracticeRecordFile::ScoreRuns>& all) {
    QByteArray bytes = PracticeRecordFile::header();
    for (const PracticeRecordFile::ScoreRuns& score : all)
        bytes += PracticeRecordFile::block(score.scorePath, score.runs);
    return bytes + PracticeRecordFile::trailer(qsizetype(all.size()) * all.first().runs.size());
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int scores = argc > 1 ? std::max(1, atoi(argv[1])) : 500;
    QTemporaryDir folder(argc > 2 ? QString::fromLocal8Bit(argv[2]) + "/practice-bench-XXXXXX"
                                  : QString());
    QDir(folder.path()).mkpath("INI");
    const QString path = PracticeRecord::path(AppPaths(folder.path() + '/', folder.path() + '/'));

    const QList<PracticeRecordFile::ScoreRuns> all = history(scores);
    QByteArray bytes;
    const double encodeAllMs = timeMs([&] { bytes = encodeAll(all); });
    if (!AtomicFile::write(path, bytes)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::vector<double> firstLooks, firstAdds, adds, plainWrites;
    for (int round = 0; round < kRounds; ++round) {
        PracticeRecord record(path);
        firstLooks.push_back(timeMs([&] { (void)record.runs(scorePath(round)); }));
        for (int i = 0; i < kAddsPerRound; ++i) {
            const double ms =
                timeMs([&] { record.add(scorePath((round * 37 + i) % scores), run(round, i)); });
            (i == 0 ? firstAdds : adds).push_back(ms);
        }
        plainWrites.push_back(timeMs([&] { AtomicFile::write(path + ".plain", bytes); }));
    }
    if (PracticeRecord(path).runs(scorePath(0)).size() != PracticeRecordFile::kMaxRunsPerScore) {
        std::fprintf(stderr, "the record did not come back whole\n");
        return 1;
    }
    std::printf("practice record: %d scores x %d runs, %.1f MB\n", scores,
                PracticeRecordFile::kMaxRunsPerScore, QFile(path).size() / 1e6);
    std::printf("first look at a score (file read)    %8.1f ms  (median of %d)\n",
                median(firstLooks), kRounds);
    std::printf("first run added after the read       %8.1f ms  (median of %d)\n",
                median(firstAdds), kRounds);
    std::printf("each later run added                 %8.1f ms  (median of %d)\n", median(adds),
                kRounds * (kAddsPerRound - 1));
    std::printf("  same bytes written atomically      %8.1f ms  (the floor)\n",
                median(plainWrites));
    std::printf("  every block encoded anew           %8.1f ms  (+ the write)\n", encodeAllMs);
    std::printf("target: adding a run well under 100 ms, what a person notices\n");
    return median(firstAdds) < 100 && median(adds) < 100 ? 0 : 2;
}
