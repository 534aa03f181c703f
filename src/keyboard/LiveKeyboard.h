#pragma once
// Live playing: the one strike operation shared by the pointer, the computer keyboard and the
// score playback, the reset of all keys, and the main window's key handling with its special
// keys. The piano is monophonic unless polyphonic playing is on: a strike first silences the key
// struck before. Polyphonic playing only changes what the user plays live; a score always plays
// through StrikeKey. It draws nothing itself; the keyboard widget follows keyPressedLook and
// keyReleasedLook.
#include "core/SoundSettings.h"
#include "keyboard/KeyMap.h"
#include "keyboard/PolyphonicNotes.h"
#include "settings/ProgramOptions.h"

#include <QObject>
#include <functional>

class LiveKeyboard : public QObject {
    Q_OBJECT
public:
    // What the special keys ask at the moment they go down; a condition not set counts as false.
    struct Conditions {
        std::function<bool()> playPauseEnabled;         // the Play menu's play/pause entry
        std::function<bool()> scorePlaying;             // the transport is playing
        std::function<bool()> deleteSelectedEnabled;    // list menu: delete the selected entries
        std::function<bool()> deleteAllEnabled;         // list menu: delete all entries
        std::function<bool()> organizeFavoritesEnabled; // list menu: organise favorites
        std::function<bool()> polyphonic;               // live keys sound until released
    };

    LiveKeyboard(SoundSettings& sound, const KeyMap& keyMap, const ProgramOptions& options,
                 QObject* parent = nullptr);
    void setConditions(Conditions conditions) { conditions_ = std::move(conditions); }

    // Draws key i pressed and, unless it is the key struck last and isAgain is false, silences
    // that key and sounds this one. Every call restarts the recording stopwatch. An index outside
    // 0..87 is ignored.
    void StrikeKey(int keyIndex);
    // Silences and draws released every key and lifts the sustain pedal; intLastKey stays.
    void ResetKeyboard();
    void drawKeyReleased(int keyIndex);

    // The pointer: a press on a key (the button really held, so isAgain is cleared) and its first
    // strike; every later position over a key while the button is held goes to StrikeKey.
    void pointerPressed(int keyIndex);
    // Practice mode: a pointer press sounds even the key struck last, so that a repeated note of
    // the score can be played by pressing its key again.
    void setPressesAlwaysSound(bool on) { pressesAlwaysSound_ = on; }
    // The held button over another position: a glissando step (keyIndex -1 off the keys).
    void pointerMoved(int keyIndex);
    // The button released over a key: that key is drawn released and handed to the recorder.
    void pointerReleased(int keyIndex);
    // The pointer moved over the damper: silences the keyboard unless a score is playing.
    void damperTouched();

    // The main window's key-down (auto-repeats included) and key-up; `shift` is a ShiftMask. An
    // auto-repeat strikes as a press does but is no new note for whoever counts notes struck.
    void Form_KeyDown(int keyCode, int shift, bool capsLockOn, bool autoRepeat = false);
    void Form_KeyUp(int keyCode, int shift, bool capsLockOn);
    // Keys with a command of their own (Esc, Space, F3, Ctrl+B, Delete, F12), whether or not the
    // command is available at the moment.
    static bool isSpecialKey(int keyCode, int shift);

    // A key of a MIDI keyboard goes down or up, as a computer key of the map does.
    void externalKeyDown(int keyIndex, int velocity);
    void externalKeyUp(int keyIndex);
    // The sustain pedal; it holds notes only in polyphonic playing.
    void setPedal(bool down);
    bool polyphonic() const { return holds(conditions_.polyphonic); }
    bool isPedalKey(int keyCode, bool capsLockOn) const {
        return keyMap_.isPedalKey(keyCode, capsLockOn);
    }

    int intLastKey() const { return intLastKey_; }
    int intKeyDownIndex() const { return intKeyDownIndex_; }
    bool blnMouseFollow() const { return options_.blnMouseFollow; }

    // When true the next strike sounds even on intLastKey; the strike clears it. The playback
    // engine sets it after every tick.
    bool isAgain = false;

signals:
    void keyPressedLook(int keyIndex);
    void keyReleasedLook(int keyIndex);
    // A strike sounded this key, whoever struck it; a held key's auto-repeat is not one.
    void noteStruck(int keyIndex);
    // Keyboard playing with the pointer following: move the pointer onto the key.
    void pointerFollowRequested(int keyIndex);
    void restartRecordingStopwatch();
    void recordKeyRelease(int keyIndex);
    // Polyphonic playing: each key is timed from its own strike to its own release.
    void recordKeyStruck(int keyIndex);
    void recordHeldKeyRelease(int keyIndex);
    void requestStopRecording();
    void requestPlayPause();
    void requestSearch();
    void requestAddFolder();
    void requestDeleteSelected();
    void requestDeleteAll();
    void requestOrganizeFavorites();

private:
    void runSpecialKeys(int keyCode, int shift);
    void strike(int keyIndex, int velocity, bool autoRepeat = false);
    void keyDown(int keyIndex, int velocity, bool autoRepeat = false);
    void polyStrike(int keyIndex, int velocity);
    void polyRelease(int keyIndex);
    static bool holds(const std::function<bool()>& condition) { return condition && condition(); }

    SoundSettings& sound_;
    const KeyMap& keyMap_;
    const ProgramOptions& options_;
    Conditions conditions_;
    int intLastKey_ = 0;
    int intKeyDownIndex_ = -1;
    bool pressesAlwaysSound_ = false;
    // The key a computer key struck and whose release the recorder still waits for; -1 once it
    // was handed over or another key was struck since.
    int awaitingRelease_ = -1;
    PolyphonicNotes poly_;
    // Polyphonic playing: the key under the held pointer button, or -1.
    int pointerKey_ = -1;
};
