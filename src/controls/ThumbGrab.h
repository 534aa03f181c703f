#pragma once
// Where the pointer puts a slider's thumb. The pointer holds the thumb by its middle, so the grip
// range runs from half a thumb after the left end up to `rightLimit`. A press counts only inside
// that range; a drag beyond either end holds the thumb at that end, however fast the pointer
// went past it.
#include <algorithm>

inline bool insideGripRange(double x, double thumbWidth, double rightLimit) {
    return x >= thumbWidth / 2 && x <= rightLimit;
}

inline double draggedThumbLeft(double x, double thumbWidth, double rightLimit) {
    if (rightLimit < thumbWidth / 2) return 0;
    return std::clamp(x, thumbWidth / 2, rightLimit) - thumbWidth / 2;
}
