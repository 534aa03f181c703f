#include "app/PianoKeyFilter.h"

#include "keyboard/LiveKeyboard.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

PianoKeyFilter::PianoKeyFilter(QWidget& window, LiveKeyboard& live, QObject* parent)
    : QObject(parent), window_(window), live_(live) {
    QCoreApplication::instance()->installEventFilter(this);
}

bool PianoKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::KeyRelease) return false;
    // The window receives each key event once, before passing it on to its focus widget.
    if (watched == nullptr || watched != window_.windowHandle()) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    if (type == QEvent::KeyPress) {
        const auto stroke =
            translator_.keyPressed(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
        if (stroke.code == 0) return false;
        live_.Form_KeyDown(stroke.code, stroke.shift, translator_.capsLockOn());
        if (live_.intKeyDownIndex() < 0) return false;
        heldPianoKeys_.insert(stroke.code);
        return true;
    }
    const auto stroke = KeyEventTranslator::keyReleased(key->key(), key->modifiers());
    if (stroke.code == 0) return false;
    if (key->isAutoRepeat()) return heldPianoKeys_.contains(stroke.code);
    live_.Form_KeyUp(stroke.code, stroke.shift, translator_.capsLockOn());
    return heldPianoKeys_.remove(stroke.code);
}
