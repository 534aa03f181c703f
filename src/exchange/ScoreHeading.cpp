#include "exchange/ScoreHeading.h"

#include "core/NoteTable.h"
#include "core/NumberText.h"
#include "score/ScoreText.h"

#include <QFileInfo>
#include <QStringList>
#include <cmath>

namespace {

// The last header row that starts with `mark`; empty when there is none.
QStringView lastHeaderRow(const Score& score, QChar mark) {
    for (qint32 i = score.rowCount() - 1; i >= 0; --i) {
        const ScoreRow& row = score.rows[i];
        if (!row.isNote() && row.NoteText.startsWith(mark)) return row.NoteText;
    }
    return {};
}

// Numbered notation writes a sharp key with the sharp first: "1=#F".
QString keyText(const Score& score) {
    if (score.KeyChanges.isEmpty()) return {};
    const QString name = PitchName(score.KeyChanges.at(0).value);
    return QStringLiteral("1=") + (name.endsWith(u'#') ? u'#' + name.chopped(1) : name);
}

QString metreText(QStringView metreRow) {
    return metreRow.isEmpty() ? QString() : metreRow.sliced(1).trimmed().toString();
}

// The tempo row counts beats of the metre's beat unit; the mark counts quarter notes, so that
// "?6/8" with "$120" reads "♩=60", as it plays.
QString tempoText(QStringView tempoRow, QStringView metreRow) {
    if (tempoRow.isEmpty()) return {};
    const double tempo = NumberText::roundToInt16(NumberText::leadingNumber(tempoRow.sliced(1)));
    const double beatUnit = metreRow.isEmpty() ? 0
                                               : NumberText::roundToInt16(NumberText::leadingNumber(
                                                     ScoreText::headerNumberText(metreRow)));
    if (tempo <= 0) return {};
    const double quarters = beatUnit > 0 ? tempo * 4 / beatUnit : tempo;
    return QStringLiteral("♩=") + QString::number(std::round(quarters * 10) / 10);
}

} // namespace

ScoreHeading ScoreHeading::of(const Score& score, const QString& filePath) {
    ScoreHeading heading;
    for (qsizetype i = 0; i < score.CaptionChanges.size() && heading.title.isEmpty(); ++i)
        heading.title = score.CaptionChanges.at(i).value.trimmed();
    if (heading.title.isEmpty()) heading.title = QFileInfo(filePath).completeBaseName();
    const QStringView metreRow = lastHeaderRow(score, u'?');
    QStringList parts{keyText(score), metreText(metreRow),
                      tempoText(lastHeaderRow(score, u'$'), metreRow)};
    parts.removeAll(QString());
    heading.keyLine = parts.join(u' ');
    return heading;
}

QString ScoreHeading::pageNumber(int page, int pageCount) {
    return QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(pageCount);
}
