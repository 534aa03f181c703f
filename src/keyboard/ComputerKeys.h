#pragma once
// The computer keyboard as the main window hears it: every key-down and key-up looked up in the
// key map (Caps Lock included) and played, the pedal key, the pointer following the keys played,
// and the command keys.
#include "core/ProgramOptions.h"
#include "keyboard/KeyMap.h"

#include <QObject>

class CommandKeys;
class LiveKeyboard;

class ComputerKeys : public QObject {
    Q_OBJECT
public:
    ComputerKeys(LiveKeyboard& live, CommandKeys& commands, const KeyMap& keyMap,
                 const ProgramOptions& options, QObject* parent = nullptr);

    // The main window's key-down (auto-repeats included) and key-up; `shift` is a ShiftMask. An
    // auto-repeat strikes as a press does but is no new note for whoever counts notes struck.
    void Form_KeyDown(int keyCode, int shift, bool capsLockOn, bool autoRepeat = false);
    void Form_KeyUp(int keyCode, int shift, bool capsLockOn);

    // Whether the window keeps the key to itself: it plays a note, is the pedal or has a command.
    bool isPianoKey(int keyCode, int shift, bool capsLockOn) const;
    int intKeyDownIndex() const { return intKeyDownIndex_; }

signals:
    // Keyboard playing with the pointer following: move the pointer onto the key.
    void pointerFollowRequested(int keyIndex);

private:
    LiveKeyboard& live_;
    CommandKeys& commands_;
    const KeyMap& keyMap_;
    const ProgramOptions& options_;
    int intKeyDownIndex_ = -1;
};
