#include "app/MStart.h"
#include "app/MidiCommandLine.h"

#include <QApplication>

int main(int argc, char** argv) {
    if (const std::optional<int> converted = MidiCommandLine::run(argc, argv)) return *converted;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    return MStart::run(QApplication::arguments(), {AppPaths::forRunningProgram(), nullptr, nullptr, nullptr, {}});
}
