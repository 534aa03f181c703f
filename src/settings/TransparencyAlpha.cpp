#include "settings/TransparencyAlpha.h"

#include "core/NumberText.h"

#include <algorithm>

namespace TransparencyAlpha {

int clampPercent(int percent) {
    return std::clamp(percent, kMinPercent, kMaxPercent);
}

int forPercent(int percent) {
    const double alpha = NumberText::roundHalfEven((100.0 - percent) * 255.0 / 100.0);
    return int(std::clamp(alpha, 0.0, 255.0));
}

} // namespace TransparencyAlpha
