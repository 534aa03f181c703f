#include "score/PracticeRecordFile.h"

#include "platform/GbkCodec.h"

#include <QHash>
#include <QSet>
#include <QVarLengthArray>

#include <algorithm>
#include <cmath>

namespace {

const QString kHeader = QStringLiteral("Tonvale 练习记录 1");
const QString kScoreTag = QStringLiteral("乐谱");
const QString kRunTag = QStringLiteral("练习");
const QString kEndTag = QStringLiteral("结束");
const QString kWaitForKey = QStringLiteral("等待");
const QString kInTime = QStringLiteral("节拍");
const QString kWholeScore = QStringLiteral("全曲");
const QString kLineEnd = QStringLiteral("\r\n");
constexpr qsizetype kRunFields = 12;
// Wide enough for any speed and timing a practice run can have; what lies outside is damage.
constexpr int kMaxSpeedPercent = 1000;
constexpr double kMaxTimingErrorMs = 1e6;

// The characters a path keeps behind a backslash, and the letter that stands for each.
constexpr std::pair<char16_t, char16_t> kEscapes[] = {
    {u'\\', u'\\'}, {u'\t', u't'}, {u'\n', u'n'}, {u'\r', u'r'}};

QString escaped(const QString& path) {
    QString out;
    out.reserve(path.size());
    for (const QChar c : path) {
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [c](const auto& e) { return e.first == c; });
        if (escape == std::end(kEscapes)) {
            out += c;
            continue;
        }
        out += u'\\';
        out += QChar(escape->second);
    }
    return out;
}

std::optional<QString> unescaped(QStringView text) {
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] != u'\\') {
            out += text[i];
            continue;
        }
        const QChar letter = ++i < text.size() ? text[i] : QChar();
        const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                          [letter](const auto& e) { return e.second == letter; });
        if (escape == std::end(kEscapes)) return std::nullopt;
        out += QChar(escape->first);
    }
    return out;
}

QString timingText(const std::optional<double>& ms) {
    return ms ? QString::number(*ms, 'f', 1) : QString();
}

QString runLine(const PracticeRun& run) {
    const QDateTime finished = run.finished.toOffsetFromUtc(run.finished.offsetFromUtc());
    const QString passage =
        run.wholeScore ? kWholeScore : QStringLiteral("%1-%2").arg(run.firstRow).arg(run.lastRow);
    return QStringList{kRunTag,
                       finished.toString(Qt::ISODate),
                       run.way == PracticeRun::Way::InTime ? kInTime : kWaitForKey,
                       QString::number(run.speedPercent),
                       passage,
                       QString::number(run.notes),
                       QString::number(run.rightFirstTime),
                       QString::number(run.wrongStrikes),
                       QString::number(run.missed),
                       QString::number(run.longestRightRun),
                       timingText(run.meanTimingErrorMs),
                       timingText(run.p90TimingErrorMs)}
        .join(u'\t');
}

// Reading works on the bytes: a run line is ASCII but for its GBK words, which are compared as
// bytes, so that a long record reads without decoding it all.
struct Words {
    QByteArray header = GbkCodec::encode(kHeader);
    QByteArray scoreTag = GbkCodec::encode(kScoreTag);
    QByteArray runTag = GbkCodec::encode(kRunTag);
    QByteArray endTag = GbkCodec::encode(kEndTag);
    QByteArray waitForKey = GbkCodec::encode(kWaitForKey);
    QByteArray inTime = GbkCodec::encode(kInTime);
    QByteArray wholeScore = GbkCodec::encode(kWholeScore);
};

const Words& words() {
    static const Words instance;
    return instance;
}

std::optional<int> whole(QByteArrayView text) {
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

// Empty for no value; nullopt in the outer optional when the text is no number.
std::optional<std::optional<double>> timing(QByteArrayView text) {
    if (text.isEmpty()) return std::optional<double>();
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok ? std::optional(std::optional(value)) : std::nullopt;
}

bool readPassage(QByteArrayView text, PracticeRun& run) {
    run.wholeScore = text == words().wholeScore;
    if (run.wholeScore) return true;
    const qsizetype dash = text.indexOf('-');
    const std::optional<int> first = dash > 0 ? whole(text.first(dash)) : std::nullopt;
    const std::optional<int> last = dash > 0 ? whole(text.sliced(dash + 1)) : std::nullopt;
    if (!first || !last) return false;
    run.firstRow = *first;
    run.lastRow = *last;
    return true;
}

using Fields = QVarLengthArray<QByteArrayView, kRunFields>;

Fields split(QByteArrayView line) {
    Fields fields;
    qsizetype start = 0;
    for (qsizetype tab; (tab = line.indexOf('\t', start)) >= 0; start = tab + 1)
        fields.append(line.sliced(start, tab - start));
    fields.append(line.sliced(start));
    return fields;
}

std::optional<PracticeRun> readRun(const Fields& fields) {
    if (fields.size() != kRunFields) return std::nullopt;
    PracticeRun run;
    run.finished = QDateTime::fromString(QString::fromLatin1(fields[1]), Qt::ISODate);
    if (fields[2] != words().waitForKey && fields[2] != words().inTime) return std::nullopt;
    run.way = fields[2] == words().inTime ? PracticeRun::Way::InTime : PracticeRun::Way::WaitForKey;
    if (!readPassage(fields[4], run)) return std::nullopt;
    const std::pair<qsizetype, int*> counts[] = {
        {3, &run.speedPercent}, {5, &run.notes},  {6, &run.rightFirstTime},
        {7, &run.wrongStrikes}, {8, &run.missed}, {9, &run.longestRightRun}};
    for (const auto& [field, target] : counts) {
        const std::optional<int> value = whole(fields[field]);
        if (!value) return std::nullopt;
        *target = *value;
    }
    const auto mean = timing(fields[10]);
    const auto p90 = timing(fields[11]);
    if (!mean || !p90) return std::nullopt;
    run.meanTimingErrorMs = *mean;
    run.p90TimingErrorMs = *p90;
    if (!PracticeRecordFile::holds(run)) return std::nullopt;
    return run;
}

} // namespace

namespace PracticeRecordFile {

Contents parse(const QByteArray& bytes) {
    Contents contents;
    qsizetype pos = 0;
    qsizetype lineStart = 0;
    // The next line without its line end; none when no line end follows, as after a cut.
    const auto nextLine = [&bytes, &pos, &lineStart]() -> std::optional<QByteArrayView> {
        const qsizetype end = bytes.indexOf('\n', pos);
        if (end < 0) return std::nullopt;
        QByteArrayView line = QByteArrayView(bytes).sliced(pos, end - pos);
        lineStart = pos;
        pos = end + 1;
        if (line.endsWith('\r')) line.chop(1);
        return line;
    };
    const std::optional<QByteArrayView> first = nextLine();
    if (!first || *first != words().header) {
        contents.damaged = true;
        return contents;
    }
    QHash<QString, qsizetype> index;
    // Scores whose blocks are not kept as read (named twice, or beyond the limit): written anew.
    QSet<qsizetype> rewritten;
    qsizetype current = -1;
    qsizetype blockStart = 0;
    qsizetype runLines = 0;
    const auto closeBlock = [&] {
        if (current >= 0 && !rewritten.contains(current))
            contents.scores[current].bytes = bytes.sliced(blockStart, lineStart - blockStart);
    };
    const auto rewrite = [&] {
        rewritten.insert(current);
        contents.scores[current].bytes.clear();
    };
    std::optional<QByteArrayView> line;
    while ((line = nextLine())) {
        const Fields fields = split(*line);
        if (fields[0] == words().endTag && fields.size() == 2) {
            closeBlock();
            bool ok = false;
            const qlonglong count = fields[1].toLongLong(&ok);
            contents.damaged = !ok || count != runLines || pos != bytes.size();
            return contents;
        }
        if (fields[0] == words().scoreTag && fields.size() == 2) {
            const std::optional<QString> path =
                unescaped(GbkCodec::decode(fields[1].toByteArray()));
            if (!path || path->isEmpty()) break;
            closeBlock();
            blockStart = lineStart;
            current = index.value(*path, -1);
            if (current >= 0) {
                rewrite();
            } else {
                current = contents.scores.size();
                index.insert(*path, current);
                contents.scores.append({*path, {}, {}});
            }
            continue;
        }
        const std::optional<PracticeRun> run =
            fields[0] == words().runTag && current >= 0 ? readRun(fields) : std::nullopt;
        if (!run) break;
        QList<PracticeRun>& runs = contents.scores[current].runs;
        runs.append(*run);
        ++runLines;
        if (runs.size() > kMaxRunsPerScore) {
            runs.removeFirst();
            rewrite();
        }
    }
    // Cut short: the last block runs to the last whole line; else it ends before the bad one.
    if (!line) lineStart = pos;
    closeBlock();
    contents.damaged = true;
    return contents;
}

QByteArray header() {
    return GbkCodec::encode(kHeader + kLineEnd);
}

QByteArray block(const QString& scorePath, const QList<PracticeRun>& runs) {
    QString text = kScoreTag + u'\t' + escaped(scorePath) + kLineEnd;
    for (const PracticeRun& run : runs)
        text += runLine(run) + kLineEnd;
    return GbkCodec::encode(text);
}

QByteArray trailer(qsizetype runCount) {
    return GbkCodec::encode(kEndTag + u'\t' + QString::number(runCount) + kLineEnd);
}

PracticeRun kept(const PracticeRun& run) {
    PracticeRun k = run;
    const QDateTime finished = run.finished.isValid() ? run.finished : QDateTime::currentDateTime();
    k.finished = finished.addMSecs(-finished.time().msec());
    k.finished = k.finished.toOffsetFromUtc(k.finished.offsetFromUtc());
    if (k.wholeScore) k.firstRow = k.lastRow = 0;
    for (std::optional<double>* ms : {&k.meanTimingErrorMs, &k.p90TimingErrorMs})
        if (*ms && std::isfinite(**ms)) **ms = std::nearbyint(**ms * 10) / 10;
    return k;
}

bool holds(const PracticeRun& run) {
    const auto within = [](qint64 value, qint64 low, qint64 high) {
        return value >= low && value <= high;
    };
    const auto timingHolds = [](const std::optional<double>& ms) {
        return !ms || (std::isfinite(*ms) && *ms >= 0 && *ms <= kMaxTimingErrorMs);
    };
    return run.finished.isValid() && within(run.finished.date().year(), 1, 9999) &&
           within(run.speedPercent, 1, kMaxSpeedPercent) &&
           (run.wholeScore || within(run.firstRow, 0, run.lastRow)) && run.notes >= 1 &&
           within(run.rightFirstTime, 0, run.notes) &&
           within(run.missed, 0, run.notes - run.rightFirstTime) && run.wrongStrikes >= 0 &&
           within(run.longestRightRun, 0, run.rightFirstTime) &&
           timingHolds(run.meanTimingErrorMs) && timingHolds(run.p90TimingErrorMs);
}

} // namespace PracticeRecordFile
