#include "score/PracticeRecord.h"

#include "core/AppPaths.h"
#include "platform/AtomicFile.h"
#include "score/PracticeRecordFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {
// Far beyond any record a person practises into; a larger file is read up to here, and the rest
// counts as damage, rather than exhausting memory.
constexpr qint64 kMaxFileBytes = 64 * 1024 * 1024;

// Whether `a` beats `b` as the best run; shares compared exactly, as whole-number products.
bool better(const PracticeRun& a, const PracticeRun& b) {
    const qint64 left = qint64(a.rightFirstTime) * b.notes;
    const qint64 right = qint64(b.rightFirstTime) * a.notes;
    return left != right ? left > right : a.notes >= b.notes;
}
} // namespace

QString PracticeRecord::path(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("练习记录"), QStringLiteral(".Practice"));
}

QString PracticeRecord::scoreKey(const QString& scorePath) {
    if (scorePath.isEmpty()) return {};
    return QDir::cleanPath(QFileInfo(scorePath).absoluteFilePath());
}

PracticeRecord::PracticeRecord(QString filePath, QObject* parent)
    : QObject(parent), filePath_(std::move(filePath)) {}

QList<PracticeRun> PracticeRecord::runs(const QString& scorePath) {
    const QList<PracticeRun>* runs = runsOf(scorePath);
    return runs ? *runs : QList<PracticeRun>();
}

PracticeRecord::Highlights PracticeRecord::highlights(const QString& scorePath) {
    Highlights h;
    const QList<PracticeRun>* runs = runsOf(scorePath);
    if (!runs || runs->isEmpty()) return h;
    h.last = runs->last();
    h.best = runs->first();
    for (const PracticeRun& run : *runs)
        if (better(run, *h.best)) h.best = run;
    return h;
}

const QList<PracticeRun>* PracticeRecord::runsOf(const QString& scorePath) {
    refresh();
    const qsizetype at = index_.value(scoreKey(scorePath), -1);
    return at >= 0 ? &blocks_[at].runs : nullptr;
}

bool PracticeRecord::add(const QString& scorePath, const PracticeRun& run) {
    const QString key = scoreKey(scorePath);
    const PracticeRun kept = PracticeRecordFile::kept(run);
    if (key.isEmpty() || !PracticeRecordFile::holds(kept)) return false;
    refresh();
    qsizetype at = index_.value(key, -1);
    if (at < 0) {
        at = blocks_.size();
        index_.insert(key, at);
        blocks_.append({key, {}, {}});
    }
    Block& block = blocks_[at];
    block.runs.append(kept);
    ++runCount_;
    while (block.runs.size() > PracticeRecordFile::kMaxRunsPerScore) {
        block.runs.removeFirst();
        --runCount_;
    }
    block.bytes = PracticeRecordFile::block(key, block.runs);
    const bool saved = save();
    emit runAdded(key);
    return saved;
}

void PracticeRecord::refresh() {
    const FileSignature now = FileSignature::of(filePath_);
    if (loaded_ && now == signature_) return;
    signature_ = now;
    loaded_ = true;
    load();
}

void PracticeRecord::load() {
    blocks_.clear();
    index_.clear();
    runCount_ = 0;
    if (!signature_.exists) return;
    QFile file(filePath_);
    const QByteArray bytes =
        file.open(QIODevice::ReadOnly) ? file.read(kMaxFileBytes) : QByteArray();
    PracticeRecordFile::Contents contents = PracticeRecordFile::parse(bytes);
    for (PracticeRecordFile::ScoreRuns& score : contents.scores) {
        if (score.runs.isEmpty()) continue;
        index_.insert(score.scorePath, blocks_.size());
        runCount_ += score.runs.size();
        blocks_.append({score.scorePath, std::move(score.runs), std::move(score.bytes)});
    }
    if (!contents.damaged) return;
    // The damaged file is kept aside: the next run added replaces it with what could be read.
    const QString copy = filePath_ + QStringLiteral(".bak");
    const bool kept = AtomicFile::write(copy, bytes);
    emit statusMessage(
        QStringLiteral("练习记录文件已损坏，读出了其中完好的 %1 次练习").arg(runCount_) +
        (kept ? QStringLiteral("；原文件另存为 %1").arg(QDir::toNativeSeparators(copy))
              : QString()));
}

bool PracticeRecord::save() {
    const bool saved = AtomicFile::write(filePath_, [this](QIODevice& file) {
        const auto put = [&file](const QByteArray& bytes) {
            return file.write(bytes) == bytes.size();
        };
        bool ok = put(PracticeRecordFile::header());
        for (Block& block : blocks_) {
            if (block.bytes.isEmpty())
                block.bytes = PracticeRecordFile::block(block.scoreKey, block.runs);
            ok = ok && put(block.bytes);
        }
        return ok && put(PracticeRecordFile::trailer(runCount_));
    });
    if (saved) {
        signature_ = FileSignature::of(filePath_);
        return true;
    }
    emit statusMessage(
        QStringLiteral("错误：无法保存练习记录 %1").arg(QDir::toNativeSeparators(filePath_)));
    return false;
}
