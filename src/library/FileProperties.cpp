#include "library/FileProperties.h"

#include "library/ListEntry.h"
#include "core/FileTypes.h"
#include "score/PlayTimeText.h"
#include "score/ScoreCheck.h"
#include "score/ScoreFile.h"
#include "score/ScoreInfo.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QFileInfo>
#include <QLocale>

FileProperties FileProperties::read(const QString& entry, const NoteTable& notes,
                                    const QStringList& instrumentNames) {
    FileProperties p;
    p.path = ListEntry::split(entry).path;
    const QFileInfo info(p.path);
    p.exists = info.isFile();
    if (!p.exists) return p;
    p.size = info.size();
    p.modified = info.lastModified();
    p.isScore = IsScoreFile(p.path);
    if (!p.isScore) return p;
    QString title;
    p.scoreInfo = GetScoreInfo(p.path, instrumentNames, title);
    ScoreFile::ReadResult file = ScoreFile::readWhole(p.path);
    if (file.error != ScoreFile::ReadError::None) return p;
    // A score of its own: tempo and metre are not taken over from the score that plays.
    ScoreWideValues wide;
    Score score;
    const QString text = ScoreText::decode(std::exchange(file.bytes, {}));
    ScoreParser::parse(text, notes, wide, score);
    p.findings = ScoreCheck::check(text, score, notes);
    const float tick = ScoreTiming::tickLength(wide, score.MaxDurationCode);
    const QList<float> ends = ScoreTiming::rowEndTimes(score.rows, score.MaxDurationCode, tick);
    p.rowCount = score.rowCount();
    p.estimatedTime = FormatPlayTime(ends.isEmpty() ? 0.0f : ends.last() / 1000.0f);
    return p;
}

QString FileProperties::findingsText(const QList<ScoreFinding>& findings, int maxLines) {
    if (findings.isEmpty()) return QStringLiteral("没有发现问题");
    QStringList lines;
    for (const ScoreFinding& finding :
         findings.first(std::min<qsizetype>(findings.size(), maxLines)))
        lines.append(QStringLiteral("第 %1 行：%2").arg(finding.line).arg(finding.reason));
    if (findings.size() > maxLines) lines.append(QStringLiteral("……共 %1 处").arg(findings.size()));
    return lines.join(u'\n');
}

QString FileProperties::sizeText(qint64 bytes) {
    // Grouped digits and binary units, whatever the user's locale.
    const QLocale english(QLocale::English, QLocale::UnitedStates);
    return english.toString(bytes) + QStringLiteral(" 字节 (") +
           english.formattedDataSize(bytes, 1, QLocale::DataSizeTraditionalFormat) +
           QLatin1Char(')');
}
