#include "settings/MFormExpanded.h"

#include "settings/TransparencyAlpha.h"

#include <QWidget>
#include <QWindow>

namespace MFormExpanded {

// Qt re-creates the native window when a window flag changes: only do it for a real change.
void SetTopmost(QWidget* window, bool on) {
    if (window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on) return;
    const bool shown = window->isVisible();
    window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
    if (shown) window->show();
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
