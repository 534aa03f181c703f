#include "controls/ControlPainter.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <algorithm>

namespace ControlPainter {

QColor mixed(const QColor& a, const QColor& b, double t) {
    const auto mix = [t](double x, double y) { return x + (y - x) * t; };
    return QColor::fromRgbF(static_cast<float>(mix(a.redF(), b.redF())),
                            static_cast<float>(mix(a.greenF(), b.greenF())),
                            static_cast<float>(mix(a.blueF(), b.blueF())),
                            static_cast<float>(mix(a.alphaF(), b.alphaF())));
}

QColor dimmed(const QColor& colour, const QColor& background) {
    const int grey = qGray(colour.rgb());
    return mixed(QColor(grey, grey, grey, colour.alpha()), background, 0.45);
}

void paintBar(QPainter& painter, const QRectF& rect, const BarStyle& style) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    const double radius = std::min(rect.height() / 2, 3.0);
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    painter.save();
    if (style.opaque) {
        if (style.sunken) {
            // Shaded from the top edge, as if lit from above into a groove.
            QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
            fill.setColorAt(0, mixed(style.colour, Qt::black, 0.18));
            fill.setColorAt(0.45, style.colour);
            fill.setColorAt(1, mixed(style.colour, Qt::white, 0.12));
            painter.setBrush(fill);
        } else {
            painter.setBrush(style.colour);
        }
    } else {
        painter.setBrush(Qt::NoBrush);
    }
    painter.setPen(style.bordered ? QPen(mixed(style.colour, Qt::black, 0.38), 1) : Qt::NoPen);
    painter.drawRoundedRect(body, radius, radius);
    painter.restore();
}

void paintThumb(QPainter& painter, const QRectF& rect, ThumbState state, const QColor& accent,
                const QPixmap& picture) {
    if (rect.width() <= 0 || rect.height() <= 0) return;
    if (!picture.isNull()) {
        painter.drawPixmap(rect, picture, picture.rect());
        return;
    }
    const QRectF body = rect.adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = std::min(body.width() / 2, 3.0);
    QColor top(255, 255, 255), bottom(222, 225, 231), edge(118, 124, 136);
    switch (state) {
    case ThumbState::Normal: break;
    case ThumbState::Hover:
        bottom = mixed(bottom, accent, 0.15);
        edge = accent;
        break;
    case ThumbState::Pressed:
        top = QColor(226, 229, 235);
        bottom = mixed(QColor(204, 208, 216), accent, 0.2);
        edge = accent.darker(125);
        break;
    case ThumbState::Disabled:
        top = bottom = QColor(238, 238, 238);
        edge = QColor(175, 175, 175);
        break;
    }
    painter.save();
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setBrush(fill);
    painter.setPen(QPen(edge, 1));
    painter.drawRoundedRect(body, radius, radius);
    // A grip in the middle when there is room for it.
    if (body.height() >= 10 && body.width() >= 6) {
        painter.setPen(QPen(mixed(edge, top, 0.35), 1));
        const double cx = body.center().x();
        const double half = std::min(body.height() * 0.22, 4.0);
        const double cy = body.center().y();
        const auto grip = [&](double x) { painter.drawLine(QPointF(x, cy - half), QPointF(x, cy + half)); };
        if (body.width() >= 9) {
            grip(cx - 1.5);
            grip(cx + 1.5);
        } else {
            grip(cx);
        }
    }
    painter.restore();
}

} // namespace ControlPainter
