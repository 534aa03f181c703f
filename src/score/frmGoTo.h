#pragma once
// The go-to dialog: jumps to a typed row of the score and plays on from there. Playback goes on
// while it is open; it proposes the row shown at the moment it opened.
#include "platform/MessageSink.h"
#include "score/PlaybackEngine.h"
#include "score/Transport.h"

#include <QDialog>
#include <QTimer>

class QLabel;
class QLineEdit;
class QPushButton;

class frmGoTo : public QDialog {
    Q_OBJECT
public:
    frmGoTo(PlaybackEngine& engine, Transport& transport, MessageSink& messages, QWidget* owner);

    // Play menu item 2: shows the dialog modally over `owner`.
    static void Start(PlaybackEngine& engine, Transport& transport, MessageSink& messages,
                      QWidget* owner);

    QLabel* Label1 = nullptr;
    QLineEdit* txtRowNumber = nullptr;
    QLabel* lblRowCount = nullptr;
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;
    QTimer tmrSetFocus;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void selectAndFocus();
    void confirm();

    PlaybackEngine& engine_;
    Transport& transport_;
    MessageSink& messages_;
};
