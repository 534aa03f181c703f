#include "library/FavoritesOrganizer.h"

#include "core/AppPaths.h"
#include "library/FavoritesMenu.h"
#include "library/FavoritesStore.h"
#include "library/ListEntry.h"
#include "library/ListPair.h"

namespace {
const QString kCrLf = QStringLiteral("\r\n");

Message question(const QString& text, const QString& title, bool cancelIsDefault) {
    return {text, title, MessageIcon::Warning, MessageButtons::OkCancel, false, cancelIsDefault};
}
} // namespace

FavoritesOrganizer::FavoritesOrganizer(ListPair& favorites, FavoritesMenu& menu,
                                       MessageSink& messages, const QString& favoritesFile)
    : favorites_(favorites), menu_(menu), messages_(messages), favoritesFile_(favoritesFile),
      names_(favorites.displayTexts()) {
    select(0);
}

void FavoritesOrganizer::select(int index) {
    if (index >= 0 && index < names_.size()) selected_ = index;
}

QString FavoritesOrganizer::selectedEntry() const {
    return favorites_.entry(selected_);
}

bool FavoritesOrganizer::selectedFileExists() const {
    return PathExists(ListEntry::split(selectedEntry()).path);
}

void FavoritesOrganizer::rename(const QString& text) {
    if (!text.isEmpty() && selected_ >= 0) names_[selected_] = text;
}

void FavoritesOrganizer::move(int to) {
    if (selected_ >= 0 && to >= 0 && to < names_.size()) {
        names_.swapItemsAt(selected_, to);
        if (to < selected_)
            favorites_.moveUp(selected_);
        else
            favorites_.moveDown(selected_);
        selected_ = to;
    }
    // Also when nothing moved, as the user expects the menu to show the list as it is.
    menu_.RebuildFavoritesMenu();
}

void FavoritesOrganizer::moveUp() {
    move(selected_ - 1);
}

void FavoritesOrganizer::moveDown() {
    move(selected_ < 0 ? -1 : selected_ + 1);
}

void FavoritesOrganizer::removeFavorite(int index) {
    favorites_.removeAt(index);
    names_.removeAt(index);
}

// The empty state deletes the file; a missing file is no error.
void FavoritesOrganizer::afterDeletion(int index) {
    menu_.RebuildFavoritesMenu();
    if (names_.isEmpty()) {
        selected_ = -1;
        FavoritesStore::remove(favoritesFile_);
        return;
    }
    selected_ = qBound(0, index, int(names_.size()) - 1);
}

bool FavoritesOrganizer::deleteSelected() {
    if (selected_ < 0) return false;
    const QString text =
        QStringLiteral("您确定要从收藏夹中删除项目吗？此操作不会删除硬盘上的文件！") + kCrLf +
        names_[selected_] + kCrLf + selectedEntry();
    if (messages_.show(question(text, QStringLiteral("从收藏夹中删除"), true)) != MessageAnswer::Ok)
        return false;
    const int index = selected_;
    removeFavorite(index);
    afterDeletion(index);
    return true;
}

bool FavoritesOrganizer::deleteMissingFiles() {
    if (names_.isEmpty()) return false;
    const Message ask = question(
        QStringLiteral("清除错误文件，不存在的文件！此操作不会删除硬盘上的文件！您确定吗？"),
        QStringLiteral("清除错误文件"), false);
    if (messages_.show(ask) != MessageAnswer::Ok) return false;
    bool removed = false;
    // Over the organiser's own items: a scan running meanwhile may have appended favorites.
    for (int k = int(names_.size()) - 1; k >= 0; --k) {
        if (PathExists(ListEntry::split(favorites_.entry(k)).path)) continue;
        removeFavorite(k);
        removed = true;
    }
    afterDeletion(0);
    return removed;
}

void FavoritesOrganizer::confirm(const QString& nameText) {
    if (nameText.isEmpty()) return;
    rename(nameText);
    for (int k = 0; k < names_.size(); ++k)
        favorites_.setDisplayText(k, names_[k]);
    menu_.RebuildFavoritesMenu();
}
