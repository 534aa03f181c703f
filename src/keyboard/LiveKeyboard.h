#pragma once
// What a strike and a release of a key mean, wherever they come from (computer keys, pointer,
// MIDI keyboard, score): the one strike operation StrikeKey, the reset of all keys, single-note
// or chord playing with the sustain pedal, and when a note ends for the recorder. The piano is
// monophonic unless polyphonic playing is on; a score always plays through StrikeKey. It draws
// nothing itself: the keyboard widget follows keyPressedLook and keyReleasedLook.
#include "core/SoundSettings.h"
#include "keyboard/PolyphonicNotes.h"
#include "keyboard/SingleNote.h"
#include "score/KeyboardPort.h"

#include <QObject>
#include <functional>

class LiveKeyboard : public QObject, public KeyboardPort {
    Q_OBJECT
public:
    explicit LiveKeyboard(SoundSettings& sound, QObject* parent = nullptr);
    // Asked at every press and release: live keys sound until released. Unset means off.
    void setPolyphonic(std::function<bool()> polyphonic) { polyphonic_ = std::move(polyphonic); }
    bool polyphonic() const { return polyphonic_ && polyphonic_(); }

    // KeyboardPort. StrikeKey draws the key pressed and strikes it as a single note; every call
    // restarts the recording stopwatch. An index outside 0..87 is ignored.
    void StrikeKey(int keyIndex) override;
    // Silences and draws released every key and lifts the sustain pedal; intLastKey stays.
    void ResetKeyboard() override;
    void playRest() override;
    void drawKeyReleased(int keyIndex) override;
    void setIsAgain(bool again) override { single_.isAgain = again; }

    // A key held down (computer key or MIDI key) goes down: a single note that strikes again at
    // its next press, or a key of a chord, which an auto-repeat does not strike again. An
    // auto-repeat is no new note for whoever counts notes struck.
    void press(int keyIndex, int velocity, bool autoRepeat = false);
    // The held key comes up. In single-note playing `drawnKey` is drawn released, and only the
    // release of the key whose note sounds ends that note in a recording.
    void release(int keyIndex, int drawnKey);
    void release(int keyIndex);
    // A key of a chord is struck or let go (an index outside 0..87, or a key not down, is ignored).
    void hold(int keyIndex, int velocity);
    void letGo(int keyIndex);
    // A single note ends where the player lets go: the key is drawn released and the recorder
    // is told.
    void lift(int keyIndex);
    // The sustain pedal; it holds notes only in polyphonic playing.
    void setPedal(bool down);

    static bool validKey(int keyIndex);
    // The velocity of a strike that brings none of its own (pointer, computer key).
    int velocity() const { return sound_.intVelocity(); }
    int intLastKey() const { return single_.intLastKey(); }
    bool isAgain() const { return single_.isAgain; }

signals:
    void keyPressedLook(int keyIndex);
    void keyReleasedLook(int keyIndex);
    // ResetKeyboard silenced every key: no key is held any more.
    void keysReset();
    // A strike sounded this key, whoever struck it; a held key's auto-repeat is not one.
    void noteStruck(int keyIndex);
    void restartRecordingStopwatch();
    void recordKeyRelease(int keyIndex);
    // Polyphonic playing: each key is timed from its own strike to its own release.
    void recordKeyStruck(int keyIndex);
    void recordHeldKeyRelease(int keyIndex);

private:
    void strike(int keyIndex, int velocity, bool autoRepeat);

    SoundSettings& sound_;
    std::function<bool()> polyphonic_;
    SingleNote single_;
    PolyphonicNotes poly_;
    // The key a held key struck and whose release the recorder still waits for; -1 once it was
    // handed over or another key was struck since.
    int awaitingRelease_ = -1;
};
