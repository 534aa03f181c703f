#include "controls/ButtonExState.h"

bool ButtonExState::captionHighlighted() const {
    return look_ == ButtonLook::Hover || (look_ == ButtonLook::Pressed && !exitedLast_);
}

void ButtonExState::setValue(int value) {
    value_ = value;
    draw(requested_);
}

void ButtonExState::setStyle(int style) {
    style_ = style;
    draw(requested_);
}

ButtonExState::MoveEvents ButtonExState::pointerMoved(bool inside) {
    MoveEvents events;
    if (!hovering_ && inside) {
        hovering_ = true;
        events.enter = true;
    }
    if (pressed_) draw(inside ? ButtonLook::Pressed : ButtonLook::Normal);
    else draw(inside ? ButtonLook::Hover : ButtonLook::Normal);
    events.move = inside;
    if (inside) exitedLast_ = false;
    return events;
}

void ButtonExState::leftPressed() {
    valueBeforePress_ = value_;
    value_ = look_ == ButtonLook::Pressed ? 1 : 0;
    pressed_ = true;
    exitedLast_ = false;
    draw(ButtonLook::Pressed);
}

bool ButtonExState::leftReleased(bool inside) {
    if (!pressed_) return false;
    pressed_ = false;
    if (!inside) value_ = valueBeforePress_;
    exitedLast_ = false;
    draw(ButtonLook::Normal);
    return inside;
}

bool ButtonExState::hoverTick(bool inside) {
    if (!hovering_ || inside) return false;
    hovering_ = false;
    exitedLast_ = true;
    draw(ButtonLook::Normal);
    return true;
}

void ButtonExState::reset() {
    if (pressed_) value_ = valueBeforePress_;
    pressed_ = false;
    hovering_ = false;
    draw(ButtonLook::Normal);
}

void ButtonExState::draw(ButtonLook requested) {
    requested_ = requested;
    look_ = requested;
    if (style_ == kTwoStateStyle) {
        if (value_ == 0) look_ = ButtonLook::Pressed;
        else if (requested != ButtonLook::Hover) look_ = ButtonLook::Normal;
    }
}
