#include "app/MStart.h"
#include "app/MidiCommandLine.h"
#include "platform/WindowSystemChoice.h"
#include "score/CheckCommand.h"

#include <QApplication>
#include <QCoreApplication>
#include <cstring>

namespace {

// Checks scores without a window, so that it runs where there is no display.
int checkScores(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    QTextStream out(stdout);
    QTextStream err(stderr);
    return CheckCommand::run(QCoreApplication::arguments().mid(2), notes, out, err);
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && std::strcmp(argv[1], "--check") == 0) return checkScores(argc, argv);
    if (const std::optional<int> converted = MidiCommandLine::run(argc, argv)) return *converted;
    WindowSystemChoice::preferX11UnderWayland(argc, argv);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tonvale"));
    QApplication::setOrganizationName(QStringLiteral("Quillon"));
    return MStart::run(QApplication::arguments(),
                       {AppPaths::forRunningProgram(), nullptr, nullptr, nullptr, {}});
}
