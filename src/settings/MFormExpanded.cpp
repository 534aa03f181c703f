#include "settings/MFormExpanded.h"

#include "settings/TransparencyAlpha.h"

#include <QWidget>
#include <QWindow>

namespace MFormExpanded {

// A widget re-creates its native window when one of its window flags changes, which hides it,
// closes its open menus and takes its keyboard focus. The native window itself can change the
// window manager's state in place (on X11 the _NET_WM_STATE_ABOVE of the window), so a shown
// window only tells its native window and notes the flag for itself.
void SetTopmost(QWidget* window, bool on) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    QWindow* handle = window->windowHandle();
    if (!handle || !window->isVisible()) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    const Qt::WindowFlags flags = window->windowFlags().setFlag(Qt::WindowStaysOnTopHint, on);
    window->overrideWindowFlags(flags);
    handle->setFlags(flags);
}

bool DragWindow(QWidget* window) {
    if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
    QWindow* handle = window->windowHandle();
    return handle && handle->startSystemMove();
}

void SetTransparency(QWidget* window, int percent) {
    window->setWindowOpacity(TransparencyAlpha::forPercent(percent) / 255.0);
}

} // namespace MFormExpanded
