#pragma once
// The position rules of the volume slider in its inner coordinates (1005 by 315 units, whatever
// its size on screen): the thumb's left edge is the volume, 0..930, and the pointer holds the
// thumb by its middle, so the pointer range 75..1005 maps to 0..930.

class VolumeModel {
public:
    static constexpr int kInnerWidth = 1005;
    static constexpr int kInnerHeight = 315;
    static constexpr int kThumbWidth = 150;
    static constexpr int kMaxVolume = kInnerWidth - kThumbWidth / 2;
    static constexpr int kDefaultVolume = 520;

    int Volume() const { return volume_; }
    bool isDragging() const { return dragging_; }

    // Clamps to 0..930. Always a new position: the change handlers run on every set.
    void setVolume(int volume);
    // A press starts a drag; it moves the thumb only when x (inner units) lies in 75..1005.
    // True when the volume changed.
    bool press(double x);
    // During a drag the thumb follows the pointer, held at 0 and 930 beyond the ends.
    bool drag(double x);
    void release() { dragging_ = false; }

private:
    bool moveThumbTo(double x);

    int volume_ = kDefaultVolume;
    bool dragging_ = false;
};
