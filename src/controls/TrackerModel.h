#pragma once
// The position rules of the track bar, in the bar's own units: `Value` on 0..`Max`, the thumb's
// left edge on 0..W - w, and the pointer range in which a press grabs the thumb. The caller raises
// "Change" whenever an operation reports a new position.

class TrackerModel {
public:
    static constexpr int kDefaultValue = 1000;
    static constexpr int kDefaultMax = 8520;

    int Value() const { return value_; }
    int Max() const { return max_; }
    // The thumb's left edge; a position below one unit is 0, so the left bar disappears.
    double thumbLeft() const { return thumbLeft_; }
    double width() const { return width_; }
    double thumbWidth() const { return thumbWidth_; }
    // C = W - w, the range of the thumb's left edge; 0 when the bar is narrower than its thumb.
    double conversionWidth() const;
    bool isDragging() const { return dragging_; }

    // Clamps to 0..Max and moves the thumb to the value's place. Always a new position: the
    // change handlers of the users run on every set, as they would for the user's own move.
    void setValue(int value);
    // A negative largest position counts as 0. The value is clamped to the new range and the
    // thumb moved to its place on the new scale, as by setValue.
    void setMax(int max);
    // The thumb keeps its value's place on the new width; this is no position change.
    void setGeometry(double width, double thumbWidth);

    // A press starts a drag; it moves the thumb only when x lies in w/2..W-w/2. True when the
    // position changed. With Max 0 there is nothing to seek and the thumb stays at 0.
    bool press(double x);
    // During a drag the thumb follows the pointer, held at the ends beyond them. True when the
    // position changed.
    bool drag(double x);
    void release() { dragging_ = false; }

private:
    double gripLimit() const;
    bool moveThumbTo(double x);
    void placeFromValue();

    int value_ = kDefaultValue;
    int max_ = kDefaultMax;
    double width_ = 0;
    double thumbWidth_ = 0;
    double thumbLeft_ = 0;
    bool dragging_ = false;
};
