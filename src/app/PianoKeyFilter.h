#pragma once
// Hands every key event of one window to live playing before any of its widgets sees it, so
// that keys the window would take for focus or menus (Tab, Alt, F10) play too. Keys that play a
// piano key go no further; the others reach the widgets as usual. Auto-repeated key-ups are
// dropped, so a held key strikes again on every repeat and is released once.
#include "keyboard/KeyEventTranslator.h"

#include <QObject>
#include <QSet>

class LiveKeyboard;
class QWidget;

class PianoKeyFilter : public QObject {
    Q_OBJECT
public:
    // Watches the application's events for the events of `window`.
    PianoKeyFilter(QWidget& window, LiveKeyboard& live, QObject* parent = nullptr);

    const KeyEventTranslator& translator() const { return translator_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    LiveKeyboard& live_;
    KeyEventTranslator translator_;
    // Keys whose key-down played the piano: their key-ups go no further either.
    QSet<int> heldPianoKeys_;
};
