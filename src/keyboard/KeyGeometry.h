#pragma once
// Where the 88 keys lie in the main window, in twips: 52 white keys side by side, overlapping
// their neighbours by one pixel, and 36 shorter black keys above them, each 60 twips left of the
// white key to its right.
#include <QRect>

namespace KeyGeometry {
constexpr int kLeft = 240;
constexpr int kTop = 1380;
constexpr int kWhiteStep = 240;
constexpr int kWhiteWidth = 255;
constexpr int kWhiteHeight = 1035;
constexpr int kBlackWidth = 135;
constexpr int kBlackHeight = 615;
constexpr int kBlackShift = 60;

// The key's rectangle in the window; an empty rectangle for an index outside 0..87.
QRect keyRect(int keyIndex);
// The rectangle all keys cover together.
QRect keyboardRect();
} // namespace KeyGeometry
