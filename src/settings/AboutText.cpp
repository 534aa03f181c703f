#include "settings/AboutText.h"

#include "core/VersionInfo.h"

#include <QDateTime>
#include <QFileInfo>

QString AboutText(const QString& programFile) {
    QStringList lines{
        QString::fromUtf8(VersionInfo::fileDescription),
        QStringLiteral("版本：%1").arg(QString::fromUtf8(VersionInfo::versionText)),
    };
    const QFileInfo file(programFile);
    if (file.exists())
        lines << QStringLiteral("更新日期：%1")
                     .arg(file.lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm")));
    lines << QString() << QStringLiteral("用电脑键盘或鼠标弹奏 88 键钢琴，并播放简谱乐谱。")
          << QString::fromUtf8(VersionInfo::legalNotice);
    return lines.join(QLatin1Char('\n'));
}
