#include "app/DamperLabel.h"

#include "keyboard/LiveKeyboard.h"

DamperLabel::DamperLabel(LiveKeyboard& live, QWidget* parent)
    : QLabel(QStringLiteral("消音板"), parent), live_(live) {
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
    live_.damperTouched();
    QLabel::mouseMoveEvent(event);
}
