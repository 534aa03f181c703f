#include "app/CommandLine.h"
#include "app/MStart.h"
#include "platform/WindowSystemChoice.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const std::optional<int> exitCode = CommandLine::run(argc, argv)) return *exitCode;
    WindowSystemChoice::preferX11UnderWayland(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    return MStart::run(QApplication::arguments(),
                       {AppPaths::forRunningProgram(), nullptr, nullptr, nullptr, {}});
}
