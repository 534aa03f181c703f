#pragma once
// The recording settings dialog: instrument, key, metre and tempo of a new recording. OK is
// offered only once the user has changed something; it starts the recording and applies the
// instrument and the key to the main window.
#include "core/SoundSettings.h"
#include "score/Recorder.h"

#include <QDialog>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;

class frmRecordSetting : public QDialog {
    Q_OBJECT
public:
    // The instrument list holds at most the first 88 names.
    static constexpr int kInstrumentCount = 88;

    frmRecordSetting(Recorder& recorder, SoundSettings& sound, QWidget* owner);

    // File ▸ 录制: starts the recording's values afresh and shows the dialog modally.
    static void Start(Recorder& recorder, SoundSettings& sound, QWidget* owner);

    // The character to keep of a typed `keyAscii`: itself when it is among `allowed` (both
    // compared in upper case) or is a backspace (8) that `allowBackspace` lets through; else 0.
    static int TestText(int keyAscii, const QString& allowed, bool allowBackspace);

    QComboBox* ComSounds = nullptr;
    QScrollBar* HScrollYindiao = nullptr;
    QLabel* lblYindiao = nullptr;
    QLineEdit* txtRhythm = nullptr;
    QLineEdit* txtVelocity = nullptr;
    std::array<QLabel*, 2> lblDescription{};
    QPushButton* btnOk = nullptr;
    QPushButton* btnCancel = nullptr;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void enableOkWhenVisible();
    void accept() override;

    Recorder& recorder_;
    SoundSettings& sound_;
};
