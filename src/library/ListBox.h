#pragma once
// One display list of the list bar: a view over a ListPair with extended selection. A press
// below the last item acts on the nearest item, a right-click moves only the current item (and
// selects it unless several items are selected), and the tooltip describes the item under the
// pointer.
#include <QListView>
#include <functional>

class ListPair;

class ListBox : public QListView {
    Q_OBJECT
public:
    // The tooltip of an item's entry, as rich text.
    using TooltipText = std::function<QString(const QString& entry)>;

    ListBox(ListPair& pair, QWidget* parent);
    ListPair& pair() const { return pair_; }
    void setTooltipText(TooltipText text) { tooltipText_ = std::move(text); }
    // Shown while the list has no current item.
    void setIdleTooltip(const QString& text) { idleTooltip_ = text; }

    // The item nearest a point of the viewport: the item under it, else, inside the viewport, the
    // last item when the point lies below it. -1 outside the viewport or with no items.
    int itemNearest(const QPoint& viewportPos) const;

signals:
    // Any mouse button went down in the list, before the press is handled.
    void pressed();
    // A mouse button went up in the list, after the release was handled.
    void released(Qt::MouseButton button, const QPoint& globalPos);
    // A left double-click or Enter: the list's current item is to be played.
    void playRequested();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    bool viewportEvent(QEvent* event) override;

private:
    void showTooltip(const QPoint& viewportPos, const QPoint& globalPos);

    ListPair& pair_;
    TooltipText tooltipText_;
    QString idleTooltip_;
};
