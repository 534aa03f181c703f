// Saves the two versions of the data files into the folder given as its argument, in turn,
// until it is killed; prints "ready" before the first save.
#include "SaveVersions.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QString folder = QCoreApplication::arguments().value(1);
    std::printf("ready\n");
    std::fflush(stdout);
    for (int version = 1;; version ^= 1)
        if (!SaveVersions::save(folder, version)) return 1;
}
