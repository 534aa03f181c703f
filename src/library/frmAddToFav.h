#pragma once
// The add-to-favorites dialog: a name to choose (the file name, or the path, or anything typed)
// and, for the score being played, whether to remember the play position.
#include "library/AddFavoriteDraft.h"

#include <QDialog>
#include <QTimer>
#include <functional>

class FavoritesMenu;
class ListPair;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QPushButton;

class frmAddToFav : public QDialog {
    Q_OBJECT
public:
    using RowSource = std::function<qint32()>;

    // Reads the remember-position setting from `settingsPath` into chkRemenber; `currentRow` gives
    // the play position at the moment OK is pressed.
    frmAddToFav(const QString& settingsPath, ListPair& favorites, FavoritesMenu& menu,
                RowSource currentRow, QWidget* owner);

    // What the dialog offers: the name as item 0 and the path as item 1 of cmbFavName.
    void setDraft(const AddFavoriteDraft& draft);

    QGroupBox* fraName = nullptr;
    QComboBox* cmbFavName = nullptr;
    QCheckBox* chkRemenber = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer tmrSetFocus;

    // Writes the remember-position setting, however the dialog ends.
    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void rememberClicked(bool checked);
    void confirm();

    QString settingsPath_;
    ListPair& favorites_;
    FavoritesMenu& menu_;
    RowSource currentRow_;
    AddFavoriteDraft draft_;
};
