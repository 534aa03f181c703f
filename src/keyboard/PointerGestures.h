#pragma once
// The pointer on the drawn keys: a press strikes the key under it, dragging with the button held
// plays a glissando, the release ends the note; the damper silences the keyboard.
#include <QObject>
#include <functional>

class LiveKeyboard;

class PointerGestures : public QObject {
    Q_OBJECT
public:
    // `scorePlaying` tells whether the transport is playing; unset means it is not.
    PointerGestures(LiveKeyboard& live, std::function<bool()> scorePlaying = {},
                    QObject* parent = nullptr);

    // A press on a key (the button really held, so isAgain is cleared) and its first strike.
    void pointerPressed(int keyIndex);
    // The held button over another position: a glissando step (keyIndex -1 off the keys).
    void pointerMoved(int keyIndex);
    // The button released over a key: that key is drawn released and handed to the recorder.
    void pointerReleased(int keyIndex);
    // The pointer moved over the damper: silences the keyboard unless a score is playing.
    void damperTouched();
    // Practice mode: a press sounds even the key struck last, so that a repeated note of the
    // score can be played by pressing its key again.
    void setPressesAlwaysSound(bool on) { pressesAlwaysSound_ = on; }

private:
    LiveKeyboard& live_;
    std::function<bool()> scorePlaying_;
    bool pressesAlwaysSound_ = false;
    // Polyphonic playing: the key under the held button, or -1.
    int pointerKey_ = -1;
};
