#include "core/MenuItem.h"

MenuItem::MenuItem(const QString& caption, const QString& shortcut, QObject* parent)
    : QObject(parent), caption_(caption), shortcut_(shortcut) {}

void MenuItem::setCaption(const QString& caption) {
    if (caption_ == caption) return;
    caption_ = caption;
    emit changed();
}

void MenuItem::setChecked(bool on) {
    if (checked_ == on) return;
    checked_ = on;
    emit changed();
}

void MenuItem::setEnabled(bool on) {
    if (enabled_ == on) return;
    enabled_ = on;
    emit changed();
}

void MenuItem::setVisible(bool on) {
    if (visible_ == on) return;
    visible_ = on;
    emit changed();
}

void MenuItem::trigger() {
    if (enabled_) emit triggered();
}
