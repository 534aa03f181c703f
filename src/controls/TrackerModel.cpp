#include "controls/TrackerModel.h"
#include "controls/ThumbGrab.h"

#include <algorithm>
#include <cmath>

double TrackerModel::conversionWidth() const { return std::max(0.0, width_ - thumbWidth_); }

void TrackerModel::setValue(int value) {
    value_ = std::clamp(value, 0, max_);
    placeFromValue();
}

void TrackerModel::setMax(int max) {
    max_ = std::max(max, 0);
    setValue(value_);
}

void TrackerModel::setGeometry(double width, double thumbWidth) {
    width_ = std::max(width, 0.0);
    thumbWidth_ = std::max(thumbWidth, 0.0);
    placeFromValue();
}

bool TrackerModel::press(double x) {
    dragging_ = true;
    return insideGripRange(x, thumbWidth_, gripLimit()) && moveThumbTo(x);
}

bool TrackerModel::drag(double x) { return dragging_ && moveThumbTo(x); }

double TrackerModel::gripLimit() const { return width_ - thumbWidth_ / 2; }

bool TrackerModel::moveThumbTo(double x) {
    const double c = conversionWidth();
    if (max_ == 0 || c <= 0) return false;
    const double left = draggedThumbLeft(x, thumbWidth_, gripLimit());
    const double oldLeft = thumbLeft_;
    const int oldValue = value_;
    thumbLeft_ = left < 1 ? 0 : left;
    // The thumb stays within 0..C, so the value needs no clamping.
    value_ = static_cast<int>(std::lrint(thumbLeft_ / c * max_));
    return thumbLeft_ != oldLeft || value_ != oldValue;
}

void TrackerModel::placeFromValue() {
    const double left = max_ == 0 ? 0 : std::nearbyint(double(value_) / max_ * conversionWidth());
    thumbLeft_ = left < 1 ? 0 : left;
}
