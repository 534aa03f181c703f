#pragma once
// The look of the skinned button and how the pointer changes it: three looks (pressed, normal,
// hover), the two-state style whose `Value` 0 keeps the pressed look, and which events a pointer
// step raises. The widget feeds the pointer in and draws `look()`.

enum class ButtonLook { Pressed = 0, Normal = 1, Hover = 2 };

class ButtonExState {
public:
    static constexpr int kPushStyle = 0;
    static constexpr int kTwoStateStyle = 1;

    struct MoveEvents {
        bool enter = false; // the pointer came over the button: "MouseEnter", once per visit
        bool move = false;  // "MouseMove", raised only while the pointer lies inside
    };

    ButtonLook look() const { return look_; }
    // Whether the caption takes the highlight colour: in the hover look, and in the pressed look
    // unless the pointer has just left the button.
    bool captionHighlighted() const;
    bool isHovering() const { return hovering_; }
    bool isPressed() const { return pressed_; }

    int Value() const { return value_; }
    void setValue(int value);
    int Style() const { return style_; }
    void setStyle(int style);

    MoveEvents pointerMoved(bool inside);
    // A left press flips `Value` between 0 and non-zero (what makes a two-state button toggle).
    void leftPressed();
    // True when the release counts as a click: only over the button. Released elsewhere, the
    // press is taken back, so a two-state button never changes without a click.
    bool leftReleased(bool inside);
    // The hover timer's poll; true when it raises "MouseExit" (the pointer has left).
    bool hoverTick(bool inside);
    // Input stopped (the button was disabled): no press or hover survives it.
    void reset();

private:
    void draw(ButtonLook requested);

    ButtonLook requested_ = ButtonLook::Normal;
    ButtonLook look_ = ButtonLook::Normal;
    int value_ = 1;
    int valueBeforePress_ = 1;
    int style_ = kPushStyle;
    bool hovering_ = false;
    bool pressed_ = false;
    bool exitedLast_ = false;
};
