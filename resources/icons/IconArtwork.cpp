#include "IconArtwork.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace IconArtwork {

namespace {

// Everything is drawn on a 256-unit square and scaled to the wanted size.
constexpr qreal kUnits = 256;
const QColor kOutline(0x3d, 0x43, 0x4b);
const QColor kInk(0x1f, 0x4e, 0x8c);
const QColor kBadge(0x2e, 0x8b, 0x57);

struct Canvas {
    QPainter& p;
    qreal scale;
    // A line width in units that never gets thinner than one device pixel.
    qreal line(qreal units) const { return std::max(units, 1.0 / scale); }
    bool small() const { return scale * kUnits <= 24; }
};

void drawPage(const Canvas& c) {
    constexpr qreal left = 36, top = 12, right = 220, bottom = 244, fold = 52;
    QPainterPath page;
    page.moveTo(left, top);
    page.lineTo(right - fold, top);
    page.lineTo(right, top + fold);
    page.lineTo(right, bottom);
    page.lineTo(left, bottom);
    page.closeSubpath();
    QLinearGradient paper(0, top, 0, bottom);
    paper.setColorAt(0, QColor(0xff, 0xff, 0xff));
    paper.setColorAt(1, QColor(0xe4, 0xe8, 0xee));
    c.p.setPen(QPen(kOutline, c.line(8), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    c.p.setBrush(paper);
    c.p.drawPath(page);

    QPainterPath corner;
    corner.moveTo(right - fold, top);
    corner.lineTo(right - fold, top + fold);
    corner.lineTo(right, top + fold);
    c.p.setBrush(QColor(0xc9, 0xd0, 0xda));
    c.p.drawPath(corner);
}

void drawKeyboard(const Canvas& c) {
    const int whiteKeys = c.small() ? 4 : 7;
    constexpr qreal left = 60, top = 158, width = 136, height = 66;
    const qreal keyWidth = width / whiteKeys;
    c.p.setPen(QPen(kOutline, c.line(5)));
    c.p.setBrush(Qt::white);
    for (int i = 0; i < whiteKeys; ++i)
        c.p.drawRect(QRectF(left + i * keyWidth, top, keyWidth, height));
    // Black keys sit between the white ones, with the gap of a real octave after the third.
    c.p.setBrush(kOutline);
    for (int i = 0; i + 1 < whiteKeys; ++i) {
        if (whiteKeys == 7 && i == 2) continue;
        const qreal w = keyWidth * 0.6;
        c.p.drawRect(QRectF(left + (i + 1) * keyWidth - w / 2, top, w, height * 0.6));
    }
}

void drawNotes(const Canvas& c) {
    // Two heads tilted like engraved notes, their stems joined by one beam.
    const QPointF heads[] = {{88, 128}, {148, 114}};
    constexpr qreal stemHeight = 72, headW = 40, headH = 28;
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(kInk);
    for (const QPointF& h : heads) {
        c.p.save();
        c.p.translate(h);
        c.p.rotate(-20);
        c.p.drawEllipse(QRectF(-headW / 2, -headH / 2, headW, headH));
        c.p.restore();
    }
    const qreal stemX[] = {heads[0].x() + 17, heads[1].x() + 17};
    c.p.setPen(QPen(kInk, c.line(9), Qt::SolidLine, Qt::FlatCap));
    c.p.drawLine(QPointF(stemX[0], heads[0].y() - 6), QPointF(stemX[0], heads[0].y() - stemHeight));
    c.p.drawLine(QPointF(stemX[1], heads[1].y() - 6), QPointF(stemX[1], heads[1].y() - stemHeight));
    QPainterPath beam;
    const qreal t = 20;
    beam.moveTo(stemX[0] - 4.5, heads[0].y() - stemHeight);
    beam.lineTo(stemX[1] + 4.5, heads[1].y() - stemHeight);
    beam.lineTo(stemX[1] + 4.5, heads[1].y() - stemHeight + t);
    beam.lineTo(stemX[0] - 4.5, heads[0].y() - stemHeight + t);
    beam.closeSubpath();
    c.p.setPen(Qt::NoPen);
    c.p.drawPath(beam);
}

void drawList(const Canvas& c) {
    const int rows = c.small() ? 3 : 5;
    constexpr qreal top = 72, bottom = 200, bullet = 16;
    const qreal step = (bottom - top) / (rows - 1);
    for (int i = 0; i < rows; ++i) {
        const qreal y = top + i * step;
        c.p.setPen(Qt::NoPen);
        c.p.setBrush(kInk);
        c.p.drawRect(QRectF(64, y - bullet / 2, bullet, bullet));
        c.p.setPen(QPen(kOutline, c.line(10), Qt::SolidLine, Qt::RoundCap));
        c.p.drawLine(QPointF(96, y), QPointF(i < 2 ? 180 : 140, y));
    }
}

void drawPlayBadge(const Canvas& c) {
    const QRectF disc(148, 148, 100, 100);
    c.p.setPen(QPen(Qt::white, c.line(8)));
    c.p.setBrush(kBadge);
    c.p.drawEllipse(disc);
    QPainterPath triangle;
    triangle.moveTo(disc.center() + QPointF(-14, -24));
    triangle.lineTo(disc.center() + QPointF(28, 0));
    triangle.lineTo(disc.center() + QPointF(-14, 24));
    triangle.closeSubpath();
    c.p.setPen(Qt::NoPen);
    c.p.setBrush(Qt::white);
    c.p.drawPath(triangle);
}

} // namespace

QImage render(Kind kind, int size) {
    size = std::clamp(size, 16, 256);
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Canvas canvas{painter, size / kUnits};
    painter.scale(canvas.scale, canvas.scale);
    drawPage(canvas);
    if (kind == Kind::Score) {
        drawNotes(canvas);
        drawKeyboard(canvas);
    } else {
        drawList(canvas);
        drawPlayBadge(canvas);
    }
    painter.end();
    return image;
}

} // namespace IconArtwork
