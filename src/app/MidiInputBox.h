#pragma once
// The "MIDI 输入" list of the sound panel, in the strip between the lyric caption and the keys:
// "无" and the system's MIDI input ports. The ports are listed again every two seconds, so a
// keyboard plugged in appears and one unplugged is let go.
#include "keyboard/MidiKeyboardInput.h"

#include <QObject>
#include <QTimer>

class QComboBox;
class QWidget;

class MidiInputBox : public QObject {
    Q_OBJECT
public:
    static constexpr int kPollMilliseconds = 2000;

    MidiInputBox(MidiKeyboardInput& input, QWidget* panel);

    QComboBox* ComMidiIn = nullptr;

private:
    void showChoices();

    MidiKeyboardInput& input_;
    QTimer poll_;
};
