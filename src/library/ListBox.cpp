#include "library/ListBox.h"

#include "library/ListPair.h"

#include <QGuiApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QToolTip>

ListBox::ListBox(ListPair& pair, QWidget* parent) : QListView(parent), pair_(pair) {
    setModel(&pair_);
    setSelectionModel(pair_.selectionModel());
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setUniformItemSizes(true); // keeps lists of many thousand items fast to lay out
    // The list bar shows the lists' own menu on the right button's release, and no other.
    setContextMenuPolicy(Qt::PreventContextMenu);
}

int ListBox::itemNearest(const QPoint& viewportPos) const {
    if (pair_.isEmpty() || !viewport()->rect().contains(viewportPos)) return -1;
    const QModelIndex under = indexAt(viewportPos);
    if (under.isValid()) return under.row();
    const int last = pair_.count() - 1;
    if (viewportPos.y() >= visualRect(pair_.index(last)).top()) return last;
    // Beside an item (a click right of a narrow text): the item on that line.
    const QModelIndex onLine = indexAt(QPoint(visualRect(pair_.index(0)).left() + 1, viewportPos.y()));
    return onLine.isValid() ? onLine.row() : -1;
}

void ListBox::mousePressEvent(QMouseEvent* event) {
    emit pressed();
    const QPoint pos = event->position().toPoint();
    const int nearest = itemNearest(pos);
    if (event->button() == Qt::RightButton) {
        // The right button never changes the selection but through this rule.
        if (pair_.currentRow() >= 0 && nearest >= 0) pair_.setCurrentRow(nearest);
        pair_.selectCurrentUnlessMultiple();
        return;
    }
    if (nearest >= 0 && !indexAt(pos).isValid()) {
        const QPoint onItem = visualRect(pair_.index(nearest)).center();
        QMouseEvent moved(event->type(), QPointF(onItem), event->scenePosition(),
                          event->globalPosition(), event->button(), event->buttons(),
                          event->modifiers());
        QListView::mousePressEvent(&moved);
        return;
    }
    QListView::mousePressEvent(event);
}

void ListBox::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::RightButton) QListView::mouseReleaseEvent(event);
    emit released(event->button(), event->globalPosition().toPoint());
}

void ListBox::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit playRequested();
}

void ListBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit playRequested();
        return;
    }
    QListView::keyPressEvent(event);
}

// Focus alone gives no current item: a list has one only once the user or a command picked an
// item, and the right-click and tooltip rules depend on that.
void ListBox::focusInEvent(QFocusEvent* event) {
    QAbstractScrollArea::focusInEvent(event);
    viewport()->update();
}

bool ListBox::viewportEvent(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QListView::viewportEvent(event);
    const auto* help = static_cast<QHelpEvent*>(event);
    showTooltip(help->pos(), help->globalPos());
    return true;
}

void ListBox::showTooltip(const QPoint& viewportPos, const QPoint& globalPos) {
    if (QGuiApplication::mouseButtons() & Qt::RightButton) return;
    if (pair_.currentRow() < 0) {
        QToolTip::showText(globalPos, idleTooltip_, viewport());
        return;
    }
    const int row = itemNearest(viewportPos);
    if (row < 0 || !tooltipText_) {
        QToolTip::hideText();
        return;
    }
    QToolTip::showText(globalPos, tooltipText_(pair_.entry(row)), viewport());
}
