#pragma once
// The main window as the settings file and the view commands see it: its place on the screen in
// twips, its bars and its window-manager state.
#include <QRect>

class MainWindowFrame {
public:
    virtual ~MainWindowFrame() = default;

    // Left, top, width and height of the window in twips, moved or resized in one step.
    virtual QRect geometryTwips() const = 0;
    virtual void setGeometryTwips(const QRect& twips) = 0;
    // The part of the screen windows may use, in twips.
    virtual QRect screenTwips() const = 0;
    // Shows or hides one of the five bars (0 progress, 1 control, 2 list, 3 status, 4 score)
    // without changing the window's height.
    virtual void setBarVisible(int bar, bool visible) = 0;
    virtual void SetTopmost(bool on) = 0;
    virtual void SetTransparency(int percent) = 0;
};
