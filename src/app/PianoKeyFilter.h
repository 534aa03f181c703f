#pragma once
// Hands every key event of one window to live playing before any of its widgets sees it, so
// that keys the window would take for focus or menus (Tab, Alt, F10) play too. Keys that play a
// piano key or carry a command of their own go no further, so that no control also acts on them
// (a focused list would open on Space); the others reach the widgets as usual. While a menu or a
// drop-down is open, it has the keys. Auto-repeated key-ups are dropped, so a held key strikes
// again on every repeat and is released once. The window's controls take the focus from the
// pointer only, so that no list or scroll bar holds it after start-up.
#include "keyboard/KeyEventTranslator.h"

#include <QObject>
#include <QSet>

class ComputerKeys;
class QWidget;

class PianoKeyFilter : public QObject {
    Q_OBJECT
public:
    // Watches the application's events for the events of `window`; the controls `window` holds
    // now keep the focus from the keyboard.
    PianoKeyFilter(QWidget& window, ComputerKeys& keys, QObject* parent = nullptr);

    const KeyEventTranslator& translator() const { return translator_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    ComputerKeys& keys_;
    KeyEventTranslator translator_;
    // Keys whose key-down went no further: their key-ups go no further either.
    QSet<int> heldKeys_;
};
