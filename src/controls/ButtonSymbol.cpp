#include "controls/ButtonSymbol.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Shapes are laid out on a unit square and scaled into the box.
struct Canvas {
    QRectF box;
    QPointF at(double x, double y) const { return {box.left() + x * box.width(), box.top() + y * box.height()}; }
    QRectF rect(double x0, double y0, double x1, double y1) const { return {at(x0, y0), at(x1, y1)}; }
};

void addTriangle(QPainterPath& path, const Canvas& c, double tipX, double baseX) {
    path.moveTo(c.at(baseX, 0.14));
    path.lineTo(c.at(tipX, 0.5));
    path.lineTo(c.at(baseX, 0.86));
    path.closeSubpath();
}

void addBar(QPainterPath& path, const Canvas& c, double x0, double x1, double y0 = 0.14, double y1 = 0.86) {
    path.addRect(c.rect(x0, y0, x1, y1));
}

QPainterPath shape(ButtonSymbol symbol, const Canvas& c) {
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    switch (symbol) {
    case ButtonSymbol::None: break;
    case ButtonSymbol::Play: addTriangle(path, c, 0.88, 0.2); break;
    case ButtonSymbol::Pause:
        addBar(path, c, 0.2, 0.41);
        addBar(path, c, 0.59, 0.8);
        break;
    case ButtonSymbol::Stop: addBar(path, c, 0.17, 0.83, 0.17, 0.83); break;
    case ButtonSymbol::First:
        addBar(path, c, 0.08, 0.2);
        addTriangle(path, c, 0.2, 0.56);
        addTriangle(path, c, 0.56, 0.92);
        break;
    case ButtonSymbol::Previous:
        addTriangle(path, c, 0.06, 0.5);
        addTriangle(path, c, 0.5, 0.94);
        break;
    case ButtonSymbol::Next:
        addTriangle(path, c, 0.5, 0.06);
        addTriangle(path, c, 0.94, 0.5);
        break;
    case ButtonSymbol::Last:
        addTriangle(path, c, 0.44, 0.08);
        addTriangle(path, c, 0.8, 0.44);
        addBar(path, c, 0.8, 0.92);
        break;
    case ButtonSymbol::Speaker:
        path.addRect(c.rect(0.06, 0.36, 0.26, 0.64));
        path.moveTo(c.at(0.24, 0.36));
        path.lineTo(c.at(0.5, 0.12));
        path.lineTo(c.at(0.5, 0.88));
        path.lineTo(c.at(0.24, 0.64));
        path.closeSubpath();
        break;
    }
    return path;
}

void paintSpeakerSound(QPainter& painter, const Canvas& c, bool muted) {
    QPen pen(painter.brush().color(), c.box.width() * 0.085, Qt::SolidLine, Qt::RoundCap);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    if (muted) {
        painter.drawLine(c.at(0.64, 0.36), c.at(0.9, 0.64));
        painter.drawLine(c.at(0.64, 0.64), c.at(0.9, 0.36));
        return;
    }
    // Two waves spreading from the cone's mouth.
    for (double radius : {0.17, 0.33}) {
        const QRectF arc(c.at(0.5 - radius, 0.5 - radius), c.at(0.5 + radius, 0.5 + radius));
        painter.drawArc(arc, -45 * 16, 90 * 16);
    }
}

} // namespace

void paintButtonSymbol(QPainter& painter, ButtonSymbol symbol, const QRectF& box, const QColor& colour,
                       bool muted) {
    if (symbol == ButtonSymbol::None || box.isEmpty()) return;
    const Canvas canvas{box};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, box.width() * 0.04, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(shape(symbol, canvas));
    if (symbol == ButtonSymbol::Speaker) paintSpeakerSound(painter, canvas, muted);
    painter.restore();
}
