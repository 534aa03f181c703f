#include "app/KeyLabelPainter.h"

#include <QFontMetrics>
#include <QPainter>

#include <cmath>

namespace {

constexpr int kLargestPixels = 10;
constexpr int kSmallestPixels = 7;
constexpr int kDotSize = 2;
constexpr int kDotStep = 3;
constexpr int kKeypadBarSpace = 3;
// Dark enough on a white face, light enough on a black one, and readable on their pressed and
// due tints as well.
const QColor kOnWhite(20, 20, 60);
const QColor kOnBlack(240, 240, 240);

int capHeight(const QFont& font) {
    return int(std::ceil(QFontMetricsF(font).capHeight()));
}

// Capitals one under another, one pixel apart.
int stackStep(const QFont& font) {
    return capHeight(font) + 1;
}

int columnHeight(const QFont& font, qsizetype lines) {
    return int(lines - 1) * stackStep(font) + capHeight(font);
}

QStringList characters(const QString& text) {
    QStringList out;
    for (qsizetype i = 0; i < text.size(); ++i) {
        // A character outside the basic plane is a surrogate pair: keep it whole.
        const qsizetype length = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
        out << text.mid(i, length);
        i += length - 1;
    }
    return out;
}

void paintDots(QPainter& painter, int centreX, int fromY, int count, int direction) {
    for (int d = 0; d < count; ++d)
        painter.drawEllipse(
            QRect(centreX - kDotSize / 2, fromY + direction * d * kDotStep, kDotSize, kDotSize));
}

} // namespace

namespace KeyLabelPainter {

void paint(QPainter& painter, const QRect& key, bool black, bool pressed,
           const KeyLabels::Label& label) {
    if (label.text.isEmpty()) return;
    const int shift = pressed ? 1 : 0;
    const QRect area = key.adjusted(1 + shift, 1 + shift, -1 + shift, -1 + shift);
    const int dotSpace = label.dots != 0 ? std::abs(label.dots) * kDotStep + 1 : 0;
    const int lowerSpace = label.dots < 0 ? dotSpace : label.keypad ? kKeypadBarSpace : 0;

    QFont font = painter.font();
    font.setPixelSize(kLargestPixels);
    QFontMetrics metrics(font);
    const bool oneLine = metrics.horizontalAdvance(label.text) <= area.width();
    // Names that stand in a column are key words (no letter of a case of its own), so capitals,
    // which stack without descenders; the column shrinks until it fits the key.
    const QStringList lines = oneLine ? QStringList{label.text} : characters(label.text.toUpper());
    if (!oneLine) {
        for (int pixels = kLargestPixels - 1; pixels >= kSmallestPixels; --pixels) {
            if (columnHeight(font, lines.size()) + dotSpace + lowerSpace <= area.height()) break;
            font.setPixelSize(pixels);
            metrics = QFontMetrics(font);
        }
    }
    const int step = stackStep(font);
    const int lastBaseline = area.bottom() - lowerSpace - (oneLine ? metrics.descent() - 1 : 0);
    const int firstBaseline = lastBaseline - int(lines.size() - 1) * step;
    const int centreX = area.left() + area.width() / 2;

    painter.save();
    painter.setClipRect(key);
    painter.setFont(font);
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = black ? kOnBlack : kOnWhite;
    painter.setPen(ink);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const int width = metrics.horizontalAdvance(lines[i]);
        painter.drawText(QPoint(centreX - (width - 1) / 2, firstBaseline + int(i) * step),
                         lines[i]);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    if (label.keypad) painter.drawRect(QRect(centreX - 2, lastBaseline + 2, 5, 1));
    if (label.dots > 0)
        paintDots(painter, centreX, firstBaseline - capHeight(font) - 1 - kDotStep, label.dots, -1);
    if (label.dots < 0) paintDots(painter, centreX, lastBaseline + 2, -label.dots, +1);
    painter.restore();
}

} // namespace KeyLabelPainter
