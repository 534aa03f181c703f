#include "app/BottomContainer.h"

#include "app/BarPanel.h"
#include "core/Twips.h"

#include <QEvent>

namespace {
const QColor kBarBlue(195, 210, 235);
} // namespace

BottomContainer::BottomContainer(QWidget* parent) : QWidget(parent) {
    const QColor windowColour = parent->palette().color(QPalette::Window);
    bars_[Bar::Progress] = new BarPanel(kBarBlue, false, this);
    bars_[Bar::Control] = new BarPanel(kBarBlue, false, this);
    bars_[Bar::List] = new BarPanel(windowColour, true, this);
    bars_[Bar::Status] = new BarPanel(windowColour, true, this);
    bars_[Bar::Score] = new BarPanel(windowColour, true, this);
    for (QWidget* panel : bars_)
        panel->hide();
    parent->installEventFilter(this);
    if (window() != parent) window()->installEventFilter(this);
    relayout();
}

int BottomContainer::barHeightTwips(Bar which) {
    static constexpr std::array<int, BottomContainerLayout::BarCount> heights{
        kProgressHeight, kControlHeight, kListHeight, kStatusHeight, kScoreHeight};
    return heights[which];
}

void BottomContainer::setBarVisible(Bar which, bool visible) {
    visible_[which] = visible;
    bars_[which]->setVisible(visible);
    relayout();
}

void BottomContainer::setVolumeControls(QWidget* volume, QWidget* mute) {
    volume_ = volume;
    mute_ = mute;
    relayout();
}

void BottomContainer::relayout() {
    const QWidget* host = parentWidget();
    BottomContainerLayout::Input input;
    input.windowWidth = pixelsToTwips(host->width());
    input.innerHeight = pixelsToTwips(host->height());
    input.visible = visible_;
    for (int bar = 0; bar < BottomContainerLayout::BarCount; ++bar)
        input.barHeight[bar] = barHeightTwips(Bar(bar));
    if (mute_) {
        input.muteWidth = pixelsToTwips(mute_->width());
        input.muteHeight = pixelsToTwips(mute_->height());
    }
    const BottomContainerLayout layout = BottomContainerLayout::compute(input);
    setGeometry(twipsToPixels(layout.container));
    for (int bar = 0; bar < BottomContainerLayout::BarCount; ++bar)
        bars_[bar]->setGeometry(twipsToPixels(layout.bars[bar]));
    if (volume_) volume_->setGeometry(twipsToPixels(layout.volume));
    if (mute_) mute_->setGeometry(twipsToPixels(layout.mute));
}

bool BottomContainer::eventFilter(QObject* watched, QEvent* event) {
    // A restore from the minimised state lays out again, as a resize does.
    const bool resized = watched == parentWidget() && event->type() == QEvent::Resize;
    const bool restored = watched == window() && event->type() == QEvent::WindowStateChange;
    if ((resized || restored) && !window()->isMinimized()) relayout();
    return QWidget::eventFilter(watched, event);
}
