#pragma once
// The open-location dialog: a path typed or picked from the recently opened entries, or chosen
// with a browse dialog, is opened on OK. Nothing is downloaded: a text that is not an existing
// path ends in the missing-file message.
#include <QDialog>

class FileCommands;
class FileDialogs;
class QComboBox;
class QLabel;
class QPushButton;

class frmOpenURL : public QDialog {
    Q_OBJECT
public:
    frmOpenURL(FileCommands& commands, FileDialogs& dialogs, QWidget* owner);

    // Shows the dialog modally over `owner` with `history` in its drop-down list.
    static void Start(FileCommands& commands, FileDialogs& dialogs, const QStringList& history,
                      QWidget* owner);

    // The drop-down's entries, most recent first; the text field stays empty.
    void setHistory(const QStringList& history);

    QLabel* imgIconTip = nullptr;
    QLabel* lblTip = nullptr;
    QComboBox* cmbURL = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QPushButton* btnBrowse = nullptr;

private:
    void browse();
    void confirm();

    FileCommands& commands_;
    FileDialogs& dialogs_;
};
