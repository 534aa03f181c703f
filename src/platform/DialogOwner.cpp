#include "platform/DialogOwner.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace DialogOwner {

namespace {
bool aShownWindowStaysOnTop() {
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [](const QWidget* window) {
        const Qt::WindowType type = window->windowType();
        return window->isVisible() && type != Qt::Popup && type != Qt::ToolTip &&
               window->windowFlags().testFlag(Qt::WindowStaysOnTopHint);
    });
}
} // namespace

QWidget* ownerFor(QWidget* preferred) {
    QWidget* modal = QApplication::activeModalWidget();
    return modal ? modal : preferred;
}

void keepInFront(QWidget& dialog) {
    if (aShownWindowStaysOnTop()) dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
}

} // namespace DialogOwner
