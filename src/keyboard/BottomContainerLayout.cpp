#include "keyboard/BottomContainerLayout.h"

BottomContainerLayout BottomContainerLayout::compute(const Input& in) {
    BottomContainerLayout out;
    const auto visibleHeight = [&](Bar bar) { return in.visible[bar] ? in.barHeight[bar] : 0; };

    const int scoreHeight = visibleHeight(Score);
    int h = 0;
    for (int bar = 0; bar < BarCount; ++bar)
        h += visibleHeight(Bar(bar));
    out.container = QRect(in.scaleLeft, in.innerHeight - h, in.windowWidth, h);
    out.bars[Score] = QRect(0, 0, in.windowWidth, in.barHeight[Score]);
    h -= scoreHeight;
    const int width = in.windowWidth;
    const int height = h;

    QRect& progress = out.bars[Progress];
    progress = QRect(0, 0, width - kProgressRightGap, in.barHeight[Progress]);

    QRect& control = out.bars[Control];
    const int controlTop = in.visible[Progress] ? progress.top() + progress.height()
                                                : height - in.barHeight[Control] -
                                                      visibleHeight(List) - visibleHeight(Status);
    control = QRect(0, controlTop, width, in.barHeight[Control]);

    out.volume = QRect(width - kVolumeWidth - kVolumeRightGap,
                       (control.height() - kVolumeHeight) / 2, kVolumeWidth, kVolumeHeight);
    out.mute = QRect(out.volume.left() - in.muteWidth, (control.height() - in.muteHeight) / 2,
                     in.muteWidth, in.muteHeight);

    // The bottom edge of the lowest visible bar above, or -1 when none is visible.
    const auto underVisible = [&](std::initializer_list<Bar> above) {
        for (Bar bar : above)
            if (in.visible[bar]) return out.bars[bar].top() + out.bars[bar].height();
        return -1;
    };

    QRect& list = out.bars[List];
    const int listUnder = underVisible({Control, Progress});
    list =
        QRect(0, listUnder >= 0 ? listUnder : height - in.barHeight[List] - visibleHeight(Status),
              width, in.barHeight[List]);

    QRect& status = out.bars[Status];
    const int statusUnder = underVisible({List, Control, Progress});
    status = QRect(0, statusUnder >= 0 ? statusUnder : height - in.barHeight[Status], width,
                   in.barHeight[Status]);
    for (Bar bar : {Progress, Control, List, Status})
        out.bars[bar].translate(0, scoreHeight);
    return out;
}
