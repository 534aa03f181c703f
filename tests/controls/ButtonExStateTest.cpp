#include "controls/ButtonExState.h"

#include <gtest/gtest.h>

namespace {

ButtonExState twoState(int value) {
    ButtonExState button;
    button.setStyle(ButtonExState::kTwoStateStyle);
    button.setValue(value);
    return button;
}

TEST(ButtonExState, APushButtonGoesThroughItsThreeLooks) {
    ButtonExState button;
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_EQ(button.Value(), 1);
    const auto entered = button.pointerMoved(true);
    EXPECT_TRUE(entered.enter);
    EXPECT_TRUE(entered.move);
    EXPECT_EQ(button.look(), ButtonLook::Hover);
    EXPECT_FALSE(button.pointerMoved(true).enter); // one "MouseEnter" per visit
    button.leftPressed();
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    EXPECT_TRUE(button.leftReleased(true));
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_TRUE(button.hoverTick(false));
    EXPECT_FALSE(button.hoverTick(false)); // "MouseExit" once
}

TEST(ButtonExState, TwoClicksOnATwoStateButtonFlipItsValue) {
    ButtonExState button = twoState(1);
    button.leftPressed();
    EXPECT_TRUE(button.leftReleased(true));
    EXPECT_EQ(button.Value(), 0);
    button.leftPressed();
    EXPECT_TRUE(button.leftReleased(true));
    EXPECT_NE(button.Value(), 0);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
}

TEST(ButtonExState, ValueZeroKeepsThePressedLookAfterTheReleaseAndWhileHovered) {
    ButtonExState button = twoState(1);
    button.pointerMoved(true);
    button.leftPressed();
    button.leftReleased(true);
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    button.pointerMoved(true);
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    EXPECT_TRUE(button.hoverTick(false));
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
}

TEST(ButtonExState, SettingTheValueChangesTheTwoStateLook) {
    ButtonExState button = twoState(0);
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
    button.setValue(5);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    button.setStyle(ButtonExState::kPushStyle);
    button.setValue(0);
    EXPECT_EQ(button.look(), ButtonLook::Normal); // a push button ignores its value
}

TEST(ButtonExState, AReleaseOffTheButtonIsNoClickAndTakesThePressBack) {
    ButtonExState button = twoState(1);
    button.pointerMoved(true);
    button.leftPressed();
    EXPECT_EQ(button.Value(), 0);
    button.pointerMoved(false);
    EXPECT_EQ(button.look(), ButtonLook::Pressed); // the two-state look follows the flipped value
    EXPECT_FALSE(button.leftReleased(false));
    EXPECT_EQ(button.Value(), 1);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
}

TEST(ButtonExState, APushButtonHeldAndDraggedOffLooksRaised) {
    ButtonExState button;
    button.pointerMoved(true);
    button.leftPressed();
    EXPECT_FALSE(button.pointerMoved(false).move);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    button.pointerMoved(true);
    EXPECT_EQ(button.look(), ButtonLook::Pressed);
}

TEST(ButtonExState, TheCaptionIsHighlightedWhileHoveredOrPressedButNotAfterTheExit) {
    ButtonExState button = twoState(0);
    EXPECT_TRUE(button.captionHighlighted()); // pressed look, no exit yet
    button.pointerMoved(true);
    EXPECT_TRUE(button.captionHighlighted());
    button.hoverTick(false);
    EXPECT_FALSE(button.captionHighlighted());
    button.pointerMoved(true);
    EXPECT_TRUE(button.captionHighlighted());

    ButtonExState push;
    EXPECT_FALSE(push.captionHighlighted());
    push.pointerMoved(true);
    EXPECT_TRUE(push.captionHighlighted());
}

TEST(ButtonExState, TheHoverTickKeepsTheHoverWhileThePointerIsInside) {
    ButtonExState button;
    EXPECT_FALSE(button.hoverTick(false)); // never came over it
    button.pointerMoved(true);
    EXPECT_FALSE(button.hoverTick(true));
    EXPECT_EQ(button.look(), ButtonLook::Hover);
}

TEST(ButtonExState, AResetEndsPressAndHover) {
    ButtonExState button = twoState(1);
    button.pointerMoved(true);
    button.leftPressed();
    button.reset();
    EXPECT_FALSE(button.isPressed());
    EXPECT_FALSE(button.isHovering());
    EXPECT_EQ(button.Value(), 1);
    EXPECT_EQ(button.look(), ButtonLook::Normal);
    EXPECT_FALSE(button.leftReleased(true));
}

} // namespace
