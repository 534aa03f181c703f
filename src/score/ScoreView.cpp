#include "score/ScoreView.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {

const QColor kPaper(255, 255, 252);
const QColor kInk(20, 20, 20);
const QColor kKeyInk(40, 90, 170);
const QColor kLyricInk(90, 60, 30);
const QColor kFlagInk(200, 30, 30);
const QColor kPlayed(255, 228, 140);
const QColor kMarked(40, 160, 70);

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

ScoreView::ScoreView(KeyNameSource keyNames, QWidget* parent)
    : QAbstractScrollArea(parent), keyNames_(std::move(keyNames)) {
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(false);
    viewport()->setCursor(Qt::PointingHandCursor);
}

void ScoreView::setNotation(ScoreNotation notation) {
    notation_ = std::move(notation);
    playedItem_ = notation_.itemAtOrBefore(playedRow_);
    markedItem_ = markedRow_ < 0 ? -1 : notation_.itemAtOrBefore(markedRow_);
    relayout();
    verticalScrollBar()->setValue(0);
    scrollToItem(playedItem_);
}

void ScoreView::setPlayedRow(qint32 row) {
    playedRow_ = row;
    const qsizetype item = notation_.itemAtOrBefore(row);
    if (item == playedItem_) return;
    playedItem_ = item;
    scrollToItem(item);
    viewport()->update();
}

void ScoreView::setMarkedRow(qint32 row) {
    markedRow_ = row;
    markedItem_ = row < 0 ? -1 : notation_.itemAtOrBefore(row);
    if (markedItem_ >= 0) scrollToItem(markedItem_);
    viewport()->update();
}

void ScoreView::refreshKeyNames() {
    viewport()->update();
}

void ScoreView::relayout() {
    layout_.build(notation_.items(), viewport()->width(), ScoreViewLayout::Metrics{});
    QScrollBar* bar = verticalScrollBar();
    bar->setRange(0, std::max(0, layout_.contentHeight() - viewport()->height()));
    bar->setPageStep(viewport()->height());
    bar->setSingleStep(layout_.metrics().lineHeight);
    viewport()->update();
}

// The item's line is brought into view when it is not wholly visible, as the top line, with
// nothing of the line above it.
void ScoreView::scrollToItem(qsizetype item) {
    if (item < 0 || item >= notation_.items().size()) return;
    const int top = layout_.lineTop(layout_.lineOf(item));
    const int bottom = top + layout_.metrics().lineHeight;
    QScrollBar* bar = verticalScrollBar();
    if (top < bar->value() || bottom > bar->value() + viewport()->height()) bar->setValue(top);
}

void ScoreView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    relayout();
    scrollToItem(playedItem_);
}

qsizetype ScoreView::itemAtViewport(QPoint point) const {
    return layout_.itemAt(point + QPoint(0, verticalScrollBar()->value()));
}

void ScoreView::mousePressEvent(QMouseEvent* event) {
    const qsizetype item = itemAtViewport(event->position().toPoint());
    if (event->button() == Qt::LeftButton && item >= 0)
        emit rowClicked(notation_.items()[item].row);
}

QString ScoreView::toolTipAt(QPoint point) const {
    const qsizetype index = itemAtViewport(point);
    if (index < 0) return {};
    const NotationItem& item = notation_.items()[index];
    const QString key = item.kind == NotationItem::Note ? keyNames_(item.key) : QString();
    QString text = key.isEmpty() ? QStringLiteral("第 %1 行").arg(item.row + 1)
                                 : QStringLiteral("第 %1 行，按键 %2").arg(item.row + 1).arg(key);
    if (item.flagged) text += u'\n' + notation_.reasons(item.row);
    return text;
}

bool ScoreView::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QAbstractScrollArea::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    const QString text = toolTipAt(help->pos());
    if (text.isEmpty())
        QToolTip::hideText();
    else
        QToolTip::showText(help->globalPos(), text, viewport());
    return true;
}

void ScoreView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), kPaper);
    if (layout_.lineCount() == 0) return;
    painter.setRenderHint(QPainter::Antialiasing);
    const int scroll = verticalScrollBar()->value();
    const int lineHeight = layout_.metrics().lineHeight;
    const int first = std::max(0, (scroll - layout_.metrics().margin) / lineHeight);
    const int last =
        std::min(layout_.lineCount() - 1,
                 (scroll + viewport()->height() - layout_.metrics().margin) / lineHeight);
    for (int line = first; line <= last; ++line) {
        const int top = layout_.lineTop(line) - scroll;
        for (qsizetype i = layout_.lineStart(line); i < layout_.lineEnd(line); ++i)
            drawItem(painter, i, top);
    }
}

void ScoreView::drawItem(QPainter& painter, qsizetype index, int top) {
    const NotationItem& item = notation_.items()[index];
    const ScoreViewLayout::Metrics& m = layout_.metrics();
    const QRect cell =
        layout_.cellRect(index).translated(0, top - layout_.lineTop(layout_.lineOf(index)));
    const int x = cell.left();
    const qreal centre = x + m.noteWidth / 2.0;
    const int body = m.noteWidth * (1 + item.dashes);

    if (index == playedItem_)
        painter.fillRect(QRect(x, top + 2, body, kKeyTop + kSmallHeight - 2), kPlayed);
    if (index == markedItem_) {
        painter.setPen(QPen(kMarked, 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(x + 1, top + 3, body - 2, kKeyTop + kSmallHeight - 4), 4, 4);
    }

    const QColor ink = item.flagged ? kFlagInk : kInk;
    painter.setPen(ink);
    painter.setFont(pixelFont(font(), 20, true));
    const QRect digit(x, top + kDigitTop, m.noteWidth, kDigitHeight);
    painter.drawText(digit, Qt::AlignCenter, QString(QChar(item.degree)));
    if (item.sharp) {
        painter.setFont(pixelFont(font(), 11, true));
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
    if (item.dotted)
        drawDot(painter, {x + m.noteWidth - 3.0, top + kDigitTop + kDigitHeight / 2.0});

    painter.setPen(QPen(ink, 1.5));
    for (int k = 0; k < item.underlines; ++k) {
        const qreal y = top + kUnderlineTop + kLineGap * k;
        painter.drawLine(QPointF(x + 4, y), QPointF(x + m.noteWidth - 4, y));
    }
    for (int k = 1; k <= item.dashes; ++k) {
        const qreal y = top + kDigitTop + kDigitHeight / 2.0;
        painter.drawLine(QPointF(x + m.noteWidth * k + 7, y),
                         QPointF(x + m.noteWidth * (k + 1) - 7, y));
    }
    if (item.barAfter) {
        painter.setPen(QPen(kInk, 1.2));
        const qreal bx = x + body + m.barWidth / 2.0;
        painter.drawLine(QPointF(bx, top + kDigitTop - 4), QPointF(bx, top + kUnderlineTop + 6));
    }
    if (item.flagged) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(kFlagInk);
        const QPointF corner(x + m.noteWidth - 2, top + kDigitTop - 6);
        painter.drawPolygon(QPolygonF({corner, corner + QPointF(-7, 0), corner + QPointF(0, 7)}));
    }

    painter.setFont(pixelFont(font(), 10));
    if (item.kind == NotationItem::Note) {
        painter.setPen(kKeyInk);
        const QRect keyRect(x - 2, top + kKeyTop, m.noteWidth + 4, kSmallHeight);
        painter.drawText(
            keyRect, Qt::AlignCenter,
            painter.fontMetrics().elidedText(keyNames_(item.key), Qt::ElideRight, keyRect.width()));
    }
    if (item.caption >= 0) {
        // The lyrics run to the next caption on the line, or to the line's end.
        const int line = layout_.lineOf(index);
        qsizetype next = index + 1;
        while (next < layout_.lineEnd(line) && notation_.items()[next].caption < 0)
            ++next;
        const int right = next < layout_.lineEnd(line) ? layout_.cellRect(next).left()
                                                       : viewport()->width() - m.margin;
        painter.setFont(pixelFont(font(), 12));
        painter.setPen(kLyricInk);
        const QRect lyric(x + 2, top + kLyricTop, std::max(0, right - x - 4), kSmallHeight + 2);
        painter.drawText(lyric, Qt::AlignLeft | Qt::AlignVCenter,
                         painter.fontMetrics().elidedText(notation_.captions()[item.caption],
                                                          Qt::ElideRight, lyric.width()));
    }
}
