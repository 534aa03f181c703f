#include "app/MStart.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    return MStart::run(QApplication::arguments(), {AppPaths::forRunningProgram(), nullptr, nullptr, nullptr, {}});
}
