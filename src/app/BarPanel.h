#pragma once
// One bar of the bottom container: a panel in its back colour, optionally with a separator line
// along its top edge.
#include <QWidget>

class BarPanel : public QWidget {
    Q_OBJECT
public:
    BarPanel(const QColor& background, bool separatorOnTop, QWidget* parent);
    bool hasSeparator() const { return separatorOnTop_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool separatorOnTop_;
};
