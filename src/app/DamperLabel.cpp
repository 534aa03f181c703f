#include "app/DamperLabel.h"

#include "keyboard/PointerGestures.h"

DamperLabel::DamperLabel(PointerGestures& pointer, QWidget* parent)
    : QLabel(QStringLiteral("消音板"), parent), pointer_(pointer) {
    // Every pointer move counts, not only those with a button held.
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(128, 0, 0));
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
}

void DamperLabel::mouseMoveEvent(QMouseEvent* event) {
    pointer_.damperTouched();
    QLabel::mouseMoveEvent(event);
}
