#pragma once
// The damper "消音板": moving the pointer over it silences the keyboard (unless a score plays).
#include <QLabel>

class PointerGestures;

class DamperLabel : public QLabel {
    Q_OBJECT
public:
    explicit DamperLabel(PointerGestures& pointer, QWidget* parent = nullptr);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PointerGestures& pointer_;
};
