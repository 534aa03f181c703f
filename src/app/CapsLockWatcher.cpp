#include "app/CapsLockWatcher.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

CapsLockWatcher::CapsLockWatcher(QWidget& window, Query query, QObject* parent)
    : QObject(parent), window_(window), query_(std::move(query)) {
    QCoreApplication::instance()->installEventFilter(this);
    refresh();
}

bool CapsLockWatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowActivate && watched == &window_) {
        refresh();
    } else if ((type == QEvent::KeyPress || type == QEvent::KeyRelease) && watched != nullptr &&
               watched == window_.windowHandle()) {
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (type == QEvent::KeyPress)
            typed_.keyPressed(key->key(), key->modifiers(), key->text(), key->isAutoRepeat());
        // The lock switches on as Caps Lock goes down and off as it comes up.
        refresh();
    }
    return false;
}

void CapsLockWatcher::refresh() {
    const std::optional<bool> asked = query_ ? query_() : std::nullopt;
    const bool on = asked.value_or(typed_.capsLockOn());
    if (on == on_) return;
    on_ = on;
    emit changed(on);
}
