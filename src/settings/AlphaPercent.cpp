#include "settings/AlphaPercent.h"

#include "core/NumberText.h"

#include <algorithm>

namespace AlphaPercent {

int fromSlider(int value, int max) {
    return max > 0 ? int(qint64(value) * 100 / max) : 0;
}

int toSlider(double percent, int max) {
    return NumberText::roundToInt32(percent / 100.0 * max);
}

double typed(const QString& text) {
    return NumberText::leadingNumber(text);
}

bool inRange(double percent) {
    return percent >= 0 && percent <= kLargest;
}

qint16 forWindow(const QString& text) {
    return std::clamp<qint16>(NumberText::roundToInt16(typed(text)), 0, kLargest);
}

} // namespace AlphaPercent
