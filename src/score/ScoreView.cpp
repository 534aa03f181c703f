#include "score/ScoreView.h"

#include "score/NoteMarkText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QToolTip>

namespace {
const QColor kPaper(255, 255, 252);
const QColor kSpeedInk(120, 60, 0);
const QColor kSpeedPaper(255, 236, 200);
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
    anchorItem_ = pressedItem_ = -1;
    if (bandFirst_ >= 0) clearPassage();
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

void ScoreView::setSpeedPercent(int percent) {
    speedPercent_ = percent;
    setAccessibleDescription(percent == 100 ? QString() : QStringLiteral("速度 %1%").arg(percent));
    viewport()->update();
}

void ScoreView::setNoteMark(const NoteMark& mark) {
    noteMarks_.insert(mark.row, mark);
    viewport()->update();
}

void ScoreView::clearNoteMarks() {
    noteMarks_.clear();
    viewport()->update();
}

std::optional<Passage> ScoreView::passage() const {
    if (bandFirst_ < 0) return std::nullopt;
    return Passage{notation_.items()[bandFirst_].row, notation_.items()[bandLast_].row};
}

void ScoreView::setBand(qsizetype from, qsizetype to) {
    bandFirst_ = std::min(from, to);
    bandLast_ = std::max(from, to);
    viewport()->update();
    emit passageChanged();
}

void ScoreView::clearPassage() {
    if (bandFirst_ < 0) return;
    bandFirst_ = bandLast_ = -1;
    viewport()->update();
    emit passageChanged();
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
    if (event->button() != Qt::LeftButton) return;
    const qsizetype item = itemAtViewport(event->position().toPoint());
    shiftChose_ = (event->modifiers() & Qt::ShiftModifier) && anchorItem_ >= 0 && item >= 0;
    if (shiftChose_) return setBand(anchorItem_, item);
    pressedItem_ = item;
    dragged_ = false;
}

void ScoreView::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton) || pressedItem_ < 0 || shiftChose_) return;
    const qsizetype item = itemAtViewport(event->position().toPoint());
    if (item < 0 || (item == pressedItem_ && !dragged_)) return;
    dragged_ = true;
    setBand(pressedItem_, item);
}

void ScoreView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || shiftChose_ || dragged_) return;
    const qsizetype item = itemAtViewport(event->position().toPoint());
    if (item != pressedItem_) return;
    if (item < 0 || item < bandFirst_ || item > bandLast_) clearPassage();
    if (item < 0) return;
    anchorItem_ = item;
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
    if (const auto mark = noteMarks_.constFind(item.row); mark != noteMarks_.cend())
        text += u'\n' + NoteMarkText::describe(*mark);
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
    const ScorePainter score(notation_, layout_, keyNames_, font());
    for (int line = first; line <= last; ++line)
        score.drawLine(painter, line, layout_.lineTop(line) - scroll,
                       {playedItem_, markedItem_, bandFirst_, bandLast_, &noteMarks_});
    if (speedPercent_ != 100) drawSpeed(painter);
}

void ScoreView::drawSpeed(QPainter& painter) const {
    QFont small(font());
    small.setPixelSize(12);
    painter.setFont(small);
    const QString text = QStringLiteral("速度 %1%").arg(speedPercent_);
    const QFontMetrics metrics = painter.fontMetrics();
    QRect at(0, 0, metrics.horizontalAdvance(text) + 12, metrics.height() + 4);
    at.moveTopRight(QPoint(viewport()->width() - 5, 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(kSpeedPaper);
    painter.drawRoundedRect(at, 4, 4);
    painter.setPen(kSpeedInk);
    painter.drawText(at, Qt::AlignCenter, text);
}
