#include "controls/CustomControl.h"

#include "controls/ControlAccessibility.h"

#include <QKeyEvent>
#include <QMouseEvent>

CustomControl::CustomControl(QWidget* parent) : QWidget(parent) {
    ControlAccessibility::install();
}

void CustomControl::emitMouseDown(const QMouseEvent* event) {
    const QPointF at = toUnits(event->position());
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
}

void CustomControl::emitMouseMove(const QMouseEvent* event) {
    const QPointF at = toUnits(event->position());
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
}

void CustomControl::emitMouseUp(const QMouseEvent* event) {
    const QPointF at = toUnits(event->position());
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
}

// The control only reports its keys; its window still gets them, so that Esc closes a dialog
// whose focused button this is.
void CustomControl::keyPressEvent(QKeyEvent* event) {
    emit KeyDown(event->key(), event->modifiers());
    if (!event->text().isEmpty()) emit KeyPress(event->text());
    event->ignore();
}

void CustomControl::keyReleaseEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat()) emit KeyUp(event->key(), event->modifiers());
    event->ignore();
}
