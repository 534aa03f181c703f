#pragma once
// The sound settings across the top of the main window: device, instrument and channel lists,
// the pitch-shift bar with its key name and the velocity bar. It shows SoundSettings and passes
// the user's choices to it.
#include "core/SoundSettings.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QScrollBar;

class SoundPanel : public QWidget {
    Q_OBJECT
public:
    SoundPanel(SoundSettings& sound, QWidget* parent = nullptr);

    QComboBox* ComDevies = nullptr;
    QComboBox* ComSounds = nullptr;
    QComboBox* ComChannel = nullptr;
    QScrollBar* HScrollYindiao = nullptr;
    QScrollBar* HScrollVolume = nullptr;
    QLabel* lblYindiao = nullptr;

private:
    void showDevices();
    void showInstruments();

    SoundSettings& sound_;
};
