#include "score/ScorePainter.h"

#include <QPainter>

namespace {

const QColor kInk(20, 20, 20);
const QColor kKeyInk(40, 90, 170);
const QColor kLyricInk(90, 60, 30);
const QColor kFlagInk(200, 30, 30);
const QColor kPlayed(255, 228, 140);
const QColor kMarked(40, 160, 70);
const QColor kBand(205, 225, 250);

// Vertical places inside a line, from its top.
constexpr int kDigitTop = 16;
constexpr int kDigitHeight = 22;
constexpr int kUnderlineTop = 40;
constexpr int kLineGap = 3;
constexpr int kKeyTop = 56;
constexpr int kLyricTop = 69;
constexpr int kSmallHeight = 13;

QFont pixelFont(const QFont& base, int pixels, bool bold = false) {
    QFont font(base);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

void drawDot(QPainter& painter, QPointF centre) {
    painter.drawEllipse(centre, 1.8, 1.8);
}

} // namespace

ScorePainter::ScorePainter(const ScoreNotation& notation, const ScoreViewLayout& layout,
                           const KeyNameSource& keyNames, const QFont& font)
    : notation_(notation), layout_(layout), keyNames_(keyNames),
      digitFont_(pixelFont(font, 20, true)), sharpFont_(pixelFont(font, 11, true)),
      keyFont_(pixelFont(font, 10)), lyricFont_(pixelFont(font, 12)) {}

int ScorePainter::bodyWidth(const NotationItem& item) const {
    return layout_.metrics().noteWidth * (1 + item.dashes);
}

// Each layer is drawn for the whole line before the next, so that nothing of one item's
// background covers the ink of its neighbour.
void ScorePainter::drawLine(QPainter& painter, int line, int top,
                            const Highlights& highlights) const {
    const qsizetype end = layout_.lineEnd(line);
    for (qsizetype i = layout_.lineStart(line); i < end; ++i)
        drawHighlights(painter, i, top, highlights);
    for (qsizetype i = layout_.lineStart(line); i < end; ++i) {
        drawSymbol(painter, i, top);
        if (highlights.noteMarks)
            if (const auto mark = highlights.noteMarks->constFind(notation_.items()[i].row);
                mark != highlights.noteMarks->cend())
                drawNoteMark(painter, i, top, *mark);
        drawKeyName(painter, i, top);
        drawLyric(painter, i, line, top);
    }
}

void ScorePainter::drawHighlights(QPainter& painter, qsizetype index, int top,
                                  const Highlights& highlights) const {
    const int x = layout_.cellRect(index).left();
    const NotationItem& item = notation_.items()[index];
    if (index >= highlights.bandFirst && index <= highlights.bandLast && highlights.bandFirst >= 0)
        // The band runs on across dashes and bar lines, so that the passage reads as one.
        painter.fillRect(QRect(x, top + 2, layout_.itemWidth(item), kKeyTop + kSmallHeight - 2),
                         kBand);
    const int body = bodyWidth(item);
    if (index == highlights.played)
        painter.fillRect(QRect(x, top + 2, body, kKeyTop + kSmallHeight - 2), kPlayed);
    if (index == highlights.marked) {
        painter.setPen(QPen(kMarked, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(x + 1, top + 3, body - 2, kKeyTop + kSmallHeight - 4), 4, 4);
    }
}

void ScorePainter::drawSymbol(QPainter& painter, qsizetype index, int top) const {
    const NotationItem& item = notation_.items()[index];
    const int noteWidth = layout_.metrics().noteWidth;
    const int x = layout_.cellRect(index).left();
    const qreal centre = x + noteWidth / 2.0;
    const int body = bodyWidth(item);

    const QColor ink = item.flagged ? kFlagInk : kInk;
    painter.setPen(ink);
    painter.setFont(digitFont_);
    const QRect digit(x, top + kDigitTop, noteWidth, kDigitHeight);
    painter.drawText(digit, Qt::AlignCenter, QString(QChar(item.degree)));
    if (item.sharp) {
        painter.setFont(sharpFont_);
        painter.drawText(QRect(x, top + kDigitTop - 4, 10, 14), Qt::AlignLeft | Qt::AlignTop,
                         QStringLiteral("#"));
    }

    painter.setBrush(ink);
    painter.setPen(Qt::NoPen);
    for (int k = 0; k < item.octave; ++k)
        drawDot(painter, {centre, top + kDigitTop - 3.0 - 4.5 * k});
    const int belowTop = top + kUnderlineTop + kLineGap * item.underlines + 2;
    for (int k = 0; k < -item.octave; ++k)
        drawDot(painter, {centre, belowTop + 2.0 + 4.5 * k});
    if (item.dotted) drawDot(painter, {x + noteWidth - 3.0, top + kDigitTop + kDigitHeight / 2.0});

    painter.setPen(QPen(ink, 1.5));
    for (int k = 0; k < item.underlines; ++k) {
        const qreal y = top + kUnderlineTop + kLineGap * k;
        painter.drawLine(QPointF(x + 4, y), QPointF(x + noteWidth - 4, y));
    }
    for (int k = 1; k <= item.dashes; ++k) {
        const qreal y = top + kDigitTop + kDigitHeight / 2.0;
        painter.drawLine(QPointF(x + noteWidth * k + 7, y),
                         QPointF(x + noteWidth * (k + 1) - 7, y));
    }
    if (item.barAfter) {
        painter.setPen(QPen(kInk, 1.2));
        const qreal bx = x + body + layout_.metrics().barWidth / 2.0;
        painter.drawLine(QPointF(bx, top + kDigitTop - 4), QPointF(bx, top + kUnderlineTop + 6));
    }
    if (item.flagged) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kFlagInk);
        const QPointF corner(x + noteWidth - 2, top + kDigitTop - 6);
        painter.drawPolygon(QPolygonF({corner, corner + QPointF(-7, 0), corner + QPointF(0, 7)}));
    }
}

// A small sign at the digit's lower right: a tick, a tick in amber after mistakes, a cross, or
// an empty ring for a missed note; in time an arrow beside it, left for early, right for late.
void ScorePainter::drawNoteMark(QPainter& painter, qsizetype index, int top,
                                const NoteMark& mark) const {
    static const QColor right(30, 150, 60), afterMistakes(220, 140, 0), wrong(210, 40, 40),
        missed(140, 140, 140);
    const QPointF at(layout_.cellRect(index).left() + layout_.metrics().noteWidth - 5.0,
                     top + kDigitTop + kDigitHeight + 2.0);
    painter.setBrush(Qt::NoBrush);
    switch (mark.result) {
    case NoteMark::Result::RightFirstTime:
    case NoteMark::Result::RightAfterMistakes:
        painter.setPen(QPen(mark.result == NoteMark::Result::RightFirstTime ? right : afterMistakes,
                            2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.drawPolyline(QPolygonF({at + QPointF(-3, 0), at + QPointF(-1, 2.5),
                                        at + QPointF(3, -3)}));
        break;
    case NoteMark::Result::Wrong:
        painter.setPen(QPen(wrong, 2, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(at + QPointF(-3, -3), at + QPointF(3, 3));
        painter.drawLine(at + QPointF(-3, 3), at + QPointF(3, -3));
        break;
    case NoteMark::Result::Missed:
        painter.setPen(QPen(missed, 1.5));
        painter.drawEllipse(at, 3.0, 3.0);
        break;
    }
    if (mark.timing != NoteMark::Timing::Early && mark.timing != NoteMark::Timing::Late) return;
    // The arrow points the way the strike was off: left, before the beat; right, after it.
    const qreal dir = mark.timing == NoteMark::Timing::Early ? -1 : 1;
    const QPointF tail(layout_.cellRect(index).left() + 5.0, at.y());
    painter.setPen(QPen(afterMistakes, 1.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF head = tail + QPointF(dir * 4, 0);
    painter.drawLine(tail - QPointF(dir * 4, 0), head);
    painter.drawLine(head, head + QPointF(-dir * 2.5, -2.5));
    painter.drawLine(head, head + QPointF(-dir * 2.5, 2.5));
}

void ScorePainter::drawKeyName(QPainter& painter, qsizetype index, int top) const {
    const NotationItem& item = notation_.items()[index];
    if (!keyNames_ || item.kind != NotationItem::Note) return;
    painter.setFont(keyFont_);
    painter.setPen(kKeyInk);
    const QRect keyRect(layout_.cellRect(index).left() - 2, top + kKeyTop,
                        layout_.metrics().noteWidth + 4, kSmallHeight);
    painter.drawText(
        keyRect, Qt::AlignCenter,
        painter.fontMetrics().elidedText(keyNames_(item.key), Qt::ElideRight, keyRect.width()));
}

// The lyrics run to the next caption on the line, or to the line's end.
void ScorePainter::drawLyric(QPainter& painter, qsizetype index, int line, int top) const {
    const QList<NotationItem>& items = notation_.items();
    if (items[index].caption < 0) return;
    qsizetype next = index + 1;
    while (next < layout_.lineEnd(line) && items[next].caption < 0)
        ++next;
    const int right =
        next < layout_.lineEnd(line) ? layout_.cellRect(next).left() : layout_.lineRight();
    const int x = layout_.cellRect(index).left();
    painter.setFont(lyricFont_);
    painter.setPen(kLyricInk);
    const QRect lyric(x + 2, top + kLyricTop, std::max(0, right - x - 4), kSmallHeight + 2);
    painter.drawText(lyric, Qt::AlignLeft | Qt::AlignVCenter,
                     painter.fontMetrics().elidedText(notation_.captions()[items[index].caption],
                                                      Qt::ElideRight, lyric.width()));
}
