#pragma once
// The layout of the bottom container of the main window and its five optional bars (score,
// progress, control, list and status bar), stacked from the top in that order and sitting at the
// bottom of the window. Every length is in twips; bar rectangles are relative to the container.
#include <QRect>
#include <array>

struct BottomContainerLayout {
    enum Bar { Progress = 0, Control = 1, List = 2, Status = 3, Score = 4, BarCount = 5 };

    static constexpr int kProgressRightGap = 80;
    static constexpr int kVolumeWidth = 1095;
    static constexpr int kVolumeHeight = 315;
    static constexpr int kVolumeRightGap = 200;

    struct Input {
        int windowWidth = 0; // the window's outer width
        int innerHeight = 0; // the window's inner height
        int scaleLeft = 0;   // the window's left scale edge
        std::array<int, BarCount> barHeight{};
        std::array<bool, BarCount> visible{};
        int muteWidth = 0;
        int muteHeight = 0;
    };

    // The container and every bar, visible or not (a hidden bar keeps the place the rule gives
    // it); the volume slider and the mute button relative to the control bar. The score bar sits
    // on top of the others and moves them down by its height while it is shown.
    static BottomContainerLayout compute(const Input& input);

    QRect container;
    std::array<QRect, BarCount> bars;
    QRect volume;
    QRect mute;
};
