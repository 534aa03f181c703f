#include "app/AccessiblePianoKey.h"

#include "app/PianoKeyboard.h"

#include <QWindow>

AccessiblePianoKey::AccessiblePianoKey(PianoKeyboard* keyboard, int keyIndex)
    : keyboard_(keyboard), keyIndex_(keyIndex) {}

QString AccessiblePianoKey::name(int keyIndex) {
    return QStringLiteral("琴键 %1").arg(keyIndex);
}

bool AccessiblePianoKey::isValid() const {
    return !keyboard_.isNull();
}

QObject* AccessiblePianoKey::object() const {
    return nullptr;
}

QWindow* AccessiblePianoKey::window() const {
    return keyboard_ ? keyboard_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessiblePianoKey::parent() const {
    return keyboard_ ? QAccessible::queryAccessibleInterface(keyboard_) : nullptr;
}

QAccessibleInterface* AccessiblePianoKey::child(int) const {
    return nullptr;
}

int AccessiblePianoKey::childCount() const {
    return 0;
}

int AccessiblePianoKey::indexOfChild(const QAccessibleInterface*) const {
    return -1;
}

QAccessibleInterface* AccessiblePianoKey::childAt(int, int) const {
    return nullptr;
}

QString AccessiblePianoKey::text(QAccessible::Text which) const {
    return which == QAccessible::Name ? name(keyIndex_) : QString();
}

void AccessiblePianoKey::setText(QAccessible::Text, const QString&) {}

QRect AccessiblePianoKey::rect() const {
    if (!keyboard_) return {};
    const QRect key = keyboard_->keyRect(keyIndex_);
    return {keyboard_->mapToGlobal(key.topLeft()), key.size()};
}

QAccessible::Role AccessiblePianoKey::role() const {
    return QAccessible::Button;
}

QAccessible::State AccessiblePianoKey::state() const {
    QAccessible::State state;
    if (!keyboard_) {
        state.invalid = true;
        return state;
    }
    state.invisible = !keyboard_->isVisible();
    state.pressed = keyboard_->isDrawnPressed(keyIndex_);
    return state;
}
