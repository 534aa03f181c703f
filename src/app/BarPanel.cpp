#include "app/BarPanel.h"

#include <QPainter>

BarPanel::BarPanel(const QColor& background, bool separatorOnTop, QWidget* parent)
    : QWidget(parent), separatorOnTop_(separatorOnTop) {
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, background);
    setPalette(colours);
}

void BarPanel::paintEvent(QPaintEvent*) {
    if (!separatorOnTop_) return;
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(0, 0, width() - 1, 0);
}
