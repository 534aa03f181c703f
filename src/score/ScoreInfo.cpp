#include "score/ScoreInfo.h"

#include "core/NumberText.h"
#include "score/ScoreFile.h"
#include "score/ScoreText.h"

#include <QFileInfo>

namespace ScoreInfo {

QString entryPath(const QString& entry) {
    const qsizetype star = entry.indexOf(u'*');
    return star < 0 ? entry : entry.first(std::max<qsizetype>(0, star - 1));
}

} // namespace ScoreInfo

QString GetScoreInfo(const QString& entry, const QStringList& instrumentNames, QString& title) {
    const QString path = ScoreInfo::entryPath(entry);
    title = QFileInfo(path).completeBaseName();

    const QString text = ScoreText::decode(
        ScoreFile::readLeadingRows(path, ScoreInfo::kRowsLooked, ScoreInfo::kMaxBytesRead));
    QString info;
    int rowNumber = 0;
    ScoreText::forEachRow(text, [&](QStringView row) {
        if (rowNumber++ >= ScoreInfo::kRowsLooked || row.isEmpty() || row.front() == u'\'') return;
        const QStringView token = ScoreText::split(row).token;
        const QStringView value = token.isEmpty() ? QStringView() : token.sliced(1);
        switch (row.front().unicode()) {
        case u'%': {
            const qint16 number = NumberText::roundToInt16(NumberText::leadingNumber(value));
            info +=
                QStringLiteral("乐 器：") + instrumentNames.value(number) + QStringLiteral("\r\n");
            break;
        }
        case u'!':
            info += QStringLiteral("音 调：") + value.toString() + QStringLiteral("\r\n");
            break;
        case u'?':
            info += QStringLiteral("节 拍：") + value.toString() + QStringLiteral("\r\n");
            break;
        case u'$':
            info += QStringLiteral("速 度：") + value.toString() + QStringLiteral(" 拍/分钟");
            break;
        default:
            break;
        }
    });
    return info;
}
