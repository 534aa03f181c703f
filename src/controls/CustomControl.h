#pragma once
// A custom-painted control that reports its input under the event names its users listen to.
// Pointer positions are in the control's own units, which each control defines.
#include <QWidget>

class QMouseEvent;

class CustomControl : public QWidget {
    Q_OBJECT
public:
    explicit CustomControl(QWidget* parent = nullptr);

signals:
    void Click();
    void KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void KeyPress(const QString& text);
    void KeyUp(int keyCode, Qt::KeyboardModifiers shift);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);
    void MouseMove(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift, double x, double y);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, double x, double y);

protected:
    // A position in logical pixels, in the control's units.
    virtual QPointF toUnits(const QPointF& pixels) const = 0;

    void emitMouseDown(const QMouseEvent* event);
    void emitMouseMove(const QMouseEvent* event);
    void emitMouseUp(const QMouseEvent* event);
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
