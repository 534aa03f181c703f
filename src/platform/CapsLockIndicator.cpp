#include "platform/CapsLockIndicator.h"

#include <QGuiApplication>

#include <X11/XKBlib.h>

namespace CapsLockIndicator {

std::optional<bool> read() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    Display* display = x11 ? x11->display() : nullptr;
    if (!display) return std::nullopt;
    // The locked modifiers, not the indicator light: a keyboard may have no light, and a layout
    // may lend the light to another lock.
    XkbStateRec state{};
    if (XkbGetState(display, XkbUseCoreKbd, &state) != Success) return std::nullopt;
    return (state.locked_mods & LockMask) != 0;
}

} // namespace CapsLockIndicator
