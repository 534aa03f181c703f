#pragma once
// The bottom container of the main window (picContainer) with its five optional bars. It lays
// itself out again whenever its parent changes size (unless the window is minimised) or a bar is
// shown or hidden. The bars are plain panels that the features fill with their controls.
#include "keyboard/BottomContainerLayout.h"

#include <QWidget>

class BottomContainer : public QWidget {
    Q_OBJECT
public:
    using Bar = BottomContainerLayout::Bar;

    // Heights of the bars in twips.
    static constexpr int kProgressHeight = 255;
    static constexpr int kControlHeight = 495;
    static constexpr int kListHeight = 2400;
    static constexpr int kStatusHeight = 330;
    // Two lines of notation.
    static constexpr int kScoreHeight = 2700;

    explicit BottomContainer(QWidget* parent);

    QWidget* bar(Bar which) const { return bars_[which]; }
    QWidget* trkProgressBar() const { return bars_[Bar::Progress]; }
    QWidget* picControlBar() const { return bars_[Bar::Control]; }
    QWidget* picListBar() const { return bars_[Bar::List]; }
    QWidget* picStatusBar() const { return bars_[Bar::Status]; }
    QWidget* scoreBar() const { return bars_[Bar::Score]; }
    static int barHeightTwips(Bar which);

    void setBarVisible(Bar which, bool visible);
    bool isBarVisible(Bar which) const { return visible_[which]; }
    // The volume slider and the mute button of the control bar, placed by the layout; both must
    // be children of the control bar.
    void setVolumeControls(QWidget* volume, QWidget* mute);

    void relayout();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::array<QWidget*, BottomContainerLayout::BarCount> bars_{};
    std::array<bool, BottomContainerLayout::BarCount> visible_{};
    QWidget* volume_ = nullptr;
    QWidget* mute_ = nullptr;
};
