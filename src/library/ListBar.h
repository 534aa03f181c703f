#pragma once
// The list bar: the playing list (pair 0) and the favorites (pair 1) side by side, each under
// its vertical caption, with intActiveList, the lists' context menu and the delete commands.
// Commands of the context menu that other features carry out are announced as signals.
#include "library/ListCommands.h"
#include "platform/MessageSink.h"

#include <QWidget>
#include <array>

class ListBox;
class ListPair;
class MainMenus;
class QLabel;
class QMenu;

class ListBar : public QWidget {
    Q_OBJECT
public:
    // The context menu is the model's pop-up, `popupMenu` its widget (null: no menu is shown).
    // The bar fills `picListBar`.
    ListBar(ListPair& playingList, ListPair& favorites, const MainMenus& menus, QMenu* popupMenu,
            MessageSink& messages, QWidget* picListBar);

    int intActiveList() const { return intActiveList_; }
    // An index other than 0 or 1 is ignored.
    void setIntActiveList(int index);
    ListPair& activeList() const { return *pairs_[size_t(intActiveList_)]; }
    ListPair& pair(int index) const { return *pairs_[size_t(index == 1)]; }
    ListBox* lstPlayingList(int index) const { return lists_[size_t(index == 1)]; }
    QLabel* lblListName(int index) const { return captions_[size_t(index == 1)]; }

    // The tooltips of both lists: the rich text for an entry, and the text while a list has no
    // current item.
    void setTooltips(const std::function<QString(const QString&)>& itemText, const QString& idleText);
    // Visibility and enabling of the context menu for the active list.
    void updatePopup();

    // The active list's commands; each acts only when the list has a current item where it needs one.
    void playCurrent();
    void deleteSelected();
    void deleteAll();
    // The current item's entry when the list has a current item, else "".
    QString currentEntry() const;

signals:
    // playAllFiles(entry, restart true, add-to-recent true).
    void playRequested(const QString& entry);
    void propertiesRequested(const QString& entry);
    void editRequested(const QString& entry);
    void addFilesRequested();
    void savePlaylistRequested();
    void openPlaylistRequested();
    // Carried out by folder scanning.
    void searchRequested();
    void addFolderRequested();
    // Carried out by the favorites.
    void addToFavoritesRequested();
    void organizeFavoritesRequested();
    // Items of the favorites were deleted (`all`: every item), after the deletion.
    void favoritesDeleted(bool all);
    // Every item of the playing list was deleted by the user.
    void playingListDeletedAll();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wirePopup();
    void released(int list, Qt::MouseButton button, const QPoint& globalPos);
    void showActiveCaption();

    std::array<ListPair*, 2> pairs_{};
    std::array<ListBox*, 2> lists_{};
    std::array<QLabel*, 2> captions_{};
    const MainMenus& menus_;
    QMenu* popupMenu_;
    MessageSink& messages_;
    int intActiveList_ = 0;
};
