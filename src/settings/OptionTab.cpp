#include "settings/OptionTab.h"

#include <QMouseEvent>
#include <QPainter>

OptionTab::OptionTab(const QString& tag, QWidget* parent)
    : QWidget(parent), tag_(tag), caption_(tag) {
    setCursor(Qt::PointingHandCursor);
}

void OptionTab::DrawKeyEdge(const QString& caption, int edgeStyle) {
    caption_ = caption;
    edgeStyle_ = edgeStyle;
    update();
}

QSize OptionTab::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    return {metrics.horizontalAdvance(caption_) + 32, metrics.height() + 12};
}

void OptionTab::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = edgeStyle_ == kEdgeSunken;
    const QPalette& colours = palette();
    painter.fillRect(rect(),
                     sunken ? colours.color(QPalette::Base) : colours.color(QPalette::Button));
    const QRect edge = rect().adjusted(0, 0, -1, -1);
    // Light on the top and left of a raised edge, dark there on a sunken one.
    const QColor topLeft = colours.color(sunken ? QPalette::Dark : QPalette::Light);
    const QColor bottomRight = colours.color(sunken ? QPalette::Light : QPalette::Dark);
    painter.setPen(topLeft);
    painter.drawLine(edge.topLeft(), edge.topRight());
    painter.drawLine(edge.topLeft(), edge.bottomLeft());
    painter.setPen(bottomRight);
    painter.drawLine(edge.bottomLeft(), edge.bottomRight());
    painter.drawLine(edge.topRight(), edge.bottomRight());
    painter.setPen(colours.color(QPalette::ButtonText));
    // The caption moves a pixel down and right when sunken, like a pressed button.
    const int shift = sunken ? 1 : 0;
    painter.drawText(rect().translated(shift, shift), Qt::AlignCenter, caption_);
}

void OptionTab::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit clicked();
}
