#include "platform/WindowSystemChoice.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace WindowSystemChoice {

namespace {
bool platformNamed(int argc, char** argv) {
    if (qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) return true;
    for (int i = 1; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (argument == "-platform" || argument.startsWith("-platform=")) return true;
    }
    return false;
}
} // namespace

void preferX11UnderWayland(int argc, char** argv) {
    const bool wayland = qEnvironmentVariable("XDG_SESSION_TYPE") == QLatin1String("wayland") ||
                         qEnvironmentVariableIsSet("WAYLAND_DISPLAY");
    // Without an X server beside the compositor there is nothing to prefer.
    if (wayland && qEnvironmentVariableIsSet("DISPLAY") && !platformNamed(argc, argv))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace WindowSystemChoice
