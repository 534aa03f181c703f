#include "controls/VolumeModel.h"
#include "controls/ThumbGrab.h"

#include <algorithm>
#include <cmath>

void VolumeModel::setVolume(int volume) { volume_ = std::clamp(volume, 0, kMaxVolume); }

bool VolumeModel::press(double x) {
    dragging_ = true;
    return insideGripRange(x, kThumbWidth, kInnerWidth) && moveThumbTo(x);
}

bool VolumeModel::drag(double x) { return dragging_ && moveThumbTo(x); }

bool VolumeModel::moveThumbTo(double x) {
    const int old = volume_;
    volume_ = static_cast<int>(std::lrint(draggedThumbLeft(x, kThumbWidth, kInnerWidth)));
    return volume_ != old;
}
