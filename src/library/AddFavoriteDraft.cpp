#include "library/AddFavoriteDraft.h"

#include <QDir>

namespace {
QString afterLastSeparator(const QString& text) {
    return text.mid(text.lastIndexOf(QDir::separator()) + 1);
}
QString rowTag(qint32 row) {
    return QStringLiteral(" *") + QString::number(row);
}
} // namespace

AddFavoriteDraft AddFavoriteDraft::forPlayingScore(const QString& strPlayingFile,
                                                   qint32 lngCurrentRow, bool remember) {
    AddFavoriteDraft draft;
    draft.path_ = strPlayingFile;
    draft.tag_ = rowTag(lngCurrentRow);
    draft.name_ = afterLastSeparator(strPlayingFile) + (remember ? draft.tag_ : QString());
    return draft;
}

AddFavoriteDraft AddFavoriteDraft::forListItem(const QString& entry, const QString& strPlayingFile,
                                               qint32 lngCurrentRow, bool remember) {
    if (entry == strPlayingFile) return forPlayingScore(strPlayingFile, lngCurrentRow, remember);
    AddFavoriteDraft draft;
    draft.path_ = entry;
    draft.name_ = afterLastSeparator(entry);
    draft.rememberVisible_ = false;
    return draft;
}

QString AddFavoriteDraft::nameAfterToggle(const QString& name, bool checked) const {
    if (checked && !name.contains(QLatin1Char('*'))) return name + tag_;
    if (!checked && !tag_.isEmpty() && name.endsWith(tag_)) return name.chopped(tag_.size());
    return name;
}

QString AddFavoriteDraft::entryOnOk(bool checked, qint32 lngCurrentRow) const {
    if (checked && rememberVisible_) return path_ + rowTag(lngCurrentRow);
    return path_;
}
