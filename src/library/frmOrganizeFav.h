#pragma once
// The favorites organiser: the favorites by name, the name and entry of the selected one, and
// moving, deleting, clearing missing files and renaming. Moves and deletions apply at once;
// renames only with OK.
#include "library/FavoritesOrganizer.h"

#include <QDialog>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

class frmOrganizeFav : public QDialog {
    Q_OBJECT
public:
    frmOrganizeFav(ListPair& favorites, FavoritesMenu& menu, MessageSink& messages,
                   const QString& favoritesFile, QWidget* owner);

    QListWidget* lstFavName = nullptr;
    // 0: the name ("名称:"), 1: the entry ("路径:").
    QLineEdit* txtFileName[2] = {};
    QPushButton* btnUp = nullptr;
    QPushButton* btnDown = nullptr;
    QPushButton* btnDelete = nullptr;
    QPushButton* btnDelErrFile = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

private:
    QPushButton* button(const QString& caption, void (frmOrganizeFav::*handler)());
    // The list, the selection and both boxes as the organiser has them.
    void showItems();
    void showSelected();
    void rowChanged(int row);
    void focusName();
    void nameEdited(const QString& text);
    void moveUp();
    void moveDown();
    void deleteSelected();
    void deleteMissingFiles();
    void confirm();

    FavoritesOrganizer organizer_;
};
