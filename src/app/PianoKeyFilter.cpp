#include "app/PianoKeyFilter.h"

#include "keyboard/ComputerKeys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

PianoKeyFilter::PianoKeyFilter(QWidget& window, ComputerKeys& keys, QObject* parent)
    : QObject(parent), window_(window), keys_(keys) {
    QApplication::instance()->installEventFilter(this);
    for (QWidget* control : window.findChildren<QWidget*>()) {
        const Qt::FocusPolicy policy = control->focusPolicy();
        if (policy & Qt::TabFocus)
            control->setFocusPolicy((policy & Qt::ClickFocus) ? Qt::ClickFocus : Qt::NoFocus);
    }
}

bool PianoKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // The window receives each key event once, before passing it on to its focus widget.
    if (watched == nullptr || watched != window_.windowHandle()) return false;
    // An open menu or drop-down gets its keys through the window it belongs to.
    if (QApplication::activePopupWidget() != nullptr) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        const auto stroke =
            translator_.keyPressed(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
        if (stroke.code == 0) return false;
        keys_.Form_KeyDown(stroke.code, stroke.shift, translator_.capsLockOn(),
                           key->isAutoRepeat());
        if (!keys_.isPianoKey(stroke.code, stroke.shift, translator_.capsLockOn())) return false;
        heldKeys_.insert(stroke.code);
        return true;
    }
    const auto stroke = KeyEventTranslator::keyReleased(key->key(), key->modifiers());
    if (stroke.code == 0) return false;
    if (key->isAutoRepeat()) return heldKeys_.contains(stroke.code);
    keys_.Form_KeyUp(stroke.code, stroke.shift, translator_.capsLockOn());
    return heldKeys_.remove(stroke.code);
}
