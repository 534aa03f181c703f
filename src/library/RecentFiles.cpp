#include "library/RecentFiles.h"

#include "core/CIni.h"
#include "core/NumberText.h"
#include "library/ListEntry.h"

namespace {
const QString kSection = QStringLiteral("最近打开的文件");
const QString kCount = QStringLiteral("个数");
} // namespace

RecentFiles::RecentFiles(QObject* parent) : QObject(parent) {}

void RecentFiles::AddRecentFile(const QString& entry) {
    if (entry.isEmpty()) return;
    const qsizetype at = entries_.lastIndexOf(entry);
    if (at == 0) return;
    if (at > 0) {
        entries_.move(at, 0);
    } else {
        entries_.prepend(entry);
        if (entries_.size() > maxCount) entries_.removeLast();
    }
    emit changed();
}

void RecentFiles::clear() {
    if (entries_.isEmpty()) return;
    entries_.clear();
    emit changed();
}

QString RecentFiles::caption(int k) const {
    if (k < 0 || k >= count()) return {};
    const ListEntry parts = ListEntry::split(entries_[k]);
    QString name = parts.baseName();
    name.replace(QLatin1Char('&'), QStringLiteral("&&"));
    QString text = QLatin1Char('&') + QString::number(k) + QLatin1Char(' ') + name;
    if (parts.hasRow) text += QLatin1Char(' ') + parts.suffix;
    return text;
}

QStringList RecentFiles::captions() const {
    QStringList out;
    for (int k = 0; k < count(); ++k)
        out.append(caption(k));
    return out;
}

void RecentFiles::restore(const QString& settingsPath) {
    const CIni ini;
    const qint32 n = NumberText::leadingInt32(ini.ReadIniString_(kSection, kCount, settingsPath));
    if (n < 0 || n > maxCount) return;
    for (qint32 k = n - 1; k >= 0; --k)
        AddRecentFile(ini.ReadIniString_(kSection, QString::number(k), settingsPath));
}

bool RecentFiles::save(const QString& settingsPath) const {
    const CIni ini;
    CIni::Batch batch(settingsPath);
    const bool ok =
        ini.WriteIniString_(kSection, kCount, QString::number(entries_.size()), settingsPath);
    for (qsizetype k = 0; k < entries_.size(); ++k)
        ini.WriteIniString_(kSection, QString::number(k), entries_[k], settingsPath);
    return batch.commit() && ok;
}
