#include "settings/ContactLink.h"

#include <QMouseEvent>

ContactLink::ContactLink(const QString& caption, const QString& target, QWidget* parent)
    : QLabel(caption, parent), target_(target) {
    setCursor(Qt::PointingHandCursor);
    setToolTip(target);
    setHighlighted(false);
}

void ContactLink::setHighlighted(bool on) {
    highlighted_ = on;
    QFont look = font();
    look.setUnderline(on);
    setFont(look);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, on ? QColor(Qt::red) : QColor(0, 0, 160));
    setPalette(colours);
}

void ContactLink::enterEvent(QEnterEvent* event) {
    setHighlighted(true);
    QLabel::enterEvent(event);
}

void ContactLink::leaveEvent(QEvent* event) {
    setHighlighted(false);
    QLabel::leaveEvent(event);
}

void ContactLink::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit activated(target_);
}
