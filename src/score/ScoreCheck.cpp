#include "score/ScoreCheck.h"

#include "core/NumberText.h"
#include "score/ScoreFile.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"

#include <QHash>
#include <limits>

namespace ScoreCheck {
namespace {

using NumberText::leadingNumber;

QString quoted(QStringView text) {
    return u'"' + text.toString() + u'"';
}

// Each half of a black key's name ("b2", "#1", "b3.", "#2.") with the whole name it belongs to.
QHash<QString, QString> halfNames(const NoteTable& notes) {
    static const QString separator = QStringLiteral(" / ");
    QHash<QString, QString> halves;
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QString name = notes.strNoteName(i);
        const qsizetype at = name.indexOf(separator);
        if (at < 0) continue;
        halves.insert(name.first(at), name);
        halves.insert(name.sliced(at + separator.size()), name);
    }
    return halves;
}

// A bare LF or a lone CR: a new line in an editor, but not a new row.
qsizetype firstBareBreak(QStringView row) {
    for (qsizetype i = 0; i < row.size(); ++i)
        if (row[i] == u'\n' || row[i] == u'\r') return i;
    return -1;
}

class RowChecker {
public:
    RowChecker(const Score& parsed, const NoteTable& notes)
        : parsed_(parsed), halves_(halfNames(notes)) {}

    void check(QStringView text, qint32 row, qint32 line) {
        row_ = row;
        line_ = line;
        if (firstBareBreak(text) >= 0)
            add(parsed_.rowCount() == 1
                    ? QStringLiteral("文件用单独的 LF 换行（不是 CR LF）：整个文件读作一行")
                    : QStringLiteral(
                          "这一行以单独的 LF 或 CR 结尾（不是 CR LF）：它和下一行读作同一行"));
        if (text.isEmpty() || text.front() == u'\'') return;
        const ScoreText::RowParts parts = ScoreText::split(text);
        switch (text.front().unicode()) {
        case u'%':
            checkSixteenBits(parts.token);
            break;
        case u'$':
            hasTempo_ = true;
            checkSixteenBits(parts.token);
            break;
        case u'?':
            hasMetre_ = true;
            if (!parts.token.contains(u'/'))
                add(QStringLiteral("节拍 %1 没有“/”：拍子单位读作 0，乐谱会以每毫秒一行的速度奔过")
                        .arg(quoted(parts.token)));
            else
                checkSixteenBits(parts.token);
            break;
        case u'!':
            if (!keyTableValue(parts.token.sliced(1).toString()))
                add(QStringLiteral("调名 %1 不在调名表中（只写升号）：按 C 调演奏")
                        .arg(quoted(parts.token.sliced(1).trimmed())));
            break;
        case u'#':
            checkCaption(parts);
            break;
        default:
            checkNote(parts);
        }
    }

    // The findings of the whole score, before those of its rows.
    QList<ScoreFinding> findings(bool oneBareRow) const {
        QList<ScoreFinding> all;
        // A file read as one row lacks its tempo and metre rows only because of its line ends.
        if (!oneBareRow) {
            if (!hasTempo_)
                all.append({0, 1, QStringLiteral("乐谱没有速度行（“$”）：沿用上一首乐谱的速度")});
            if (!hasMetre_)
                all.append({0, 1, QStringLiteral("乐谱没有节拍行（“?”）：沿用上一首乐谱的节拍")});
        }
        return all + rows_;
    }

private:
    void add(const QString& reason) { rows_.append({row_, line_, reason}); }

    void checkSixteenBits(QStringView token) {
        const double value =
            NumberText::roundHalfEven(leadingNumber(ScoreText::headerNumberText(token)));
        if (value > std::numeric_limits<qint16>::max() ||
            value < std::numeric_limits<qint16>::min())
            add(QStringLiteral("数值 %1 超出 16 位整数的范围：按 %2 读取")
                    .arg(QString::number(value, 'g', 17))
                    .arg(NumberText::roundToInt16(value)));
    }

    // "#1+4" was meant as the black key "b2 / #1"; "#1" without a duration may be a verse number.
    void checkCaption(const ScoreText::RowParts& parts) {
        const QString token = ScoreText::withoutTrailingBlanks(parts.token).toString();
        const auto whole = halves_.constFind(token);
        if (parts.hasDuration && whole != halves_.cend())
            add(QStringLiteral("%1 读作标题行，不是音符：黑键要写全名 %2")
                    .arg(quoted(token), quoted(*whole)));
    }

    void checkNote(const ScoreText::RowParts& parts) {
        const ScoreRow& row = parsed_.rows.at(row_);
        if (row.KeyIndex == ScoreRow::kSilent) {
            const auto whole = halves_.constFind(row.NoteText);
            if (whole != halves_.cend())
                add(QStringLiteral("%1 只是黑键名的一半，这一行不发声：要写全名 %2")
                        .arg(quoted(row.NoteText), quoted(*whole)));
            else if (!row.NoteText.trimmed().isEmpty())
                add(QStringLiteral("%1 不是音符名：这一行不发声").arg(quoted(row.NoteText)));
            return;
        }
        if (parts.hasDuration && row.DurationCode <= 0)
            add(QStringLiteral("时值 %1 读作 %2：这一行只占一个最短时值")
                    .arg(quoted(parts.durationText))
                    .arg(double(row.DurationCode)));
        if (row_ == 0 && row.isNote())
            add(QStringLiteral(
                "第一行是音符，而第一行从不发声：乐谱应以乐器、调、节拍或速度行开头"));
    }

    const Score& parsed_;
    const QHash<QString, QString> halves_;
    QList<ScoreFinding> rows_;
    qint32 row_ = 0;
    qint32 line_ = 1;
    bool hasTempo_ = false;
    bool hasMetre_ = false;
};

} // namespace

QList<ScoreFinding> check(QStringView text, const Score& parsed, const NoteTable& notes) {
    RowChecker checker(parsed, notes);
    qint32 row = 0;
    qint32 line = 1;
    bool bare = false;
    ScoreText::forEachRow(text, [&](QStringView rowText) {
        if (row >= parsed.rowCount()) return;
        checker.check(rowText, row, line);
        const qsizetype breaks = rowText.count(u'\n') + rowText.count(u'\r');
        bare = bare || breaks > 0;
        line += qint32(breaks) + 1;
        ++row;
    });
    return checker.findings(bare && parsed.rowCount() == 1);
}

QList<ScoreFinding> checkLoaded(const Score& loaded, const NoteTable& notes) {
    const ScoreFile::ReadResult file = ScoreFile::readWhole(loaded.strPlayingFile);
    if (file.error != ScoreFile::ReadError::None) return {};
    return check(ScoreText::decode(file.bytes), loaded, notes);
}

QList<ScoreFinding> check(QStringView text, const NoteTable& notes) {
    ScoreWideValues wide;
    Score parsed;
    ScoreParser::parse(text, notes, wide, parsed);
    return check(text, parsed, notes);
}

} // namespace ScoreCheck
