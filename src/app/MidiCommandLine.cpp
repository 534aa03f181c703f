#include "app/MidiCommandLine.h"

#include "midi/MidiConversion.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QStringList>

#include <cstdio>

namespace MidiCommandLine {
namespace {
const char* const kExport = "--export-midi";
const char* const kImport = "--import-midi";

void complain(const QString& text) {
    std::fprintf(stderr, "tonvale: %s\n", qPrintable(text));
}
} // namespace

std::optional<int> run(int argc, char** argv) {
    if (argc < 2) return std::nullopt;
    const QByteArray option = argv[1];
    if (option != kExport && option != kImport) return std::nullopt;
    const QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        complain(QStringLiteral("usage: tonvale %1 IN OUT").arg(QString::fromLatin1(option)));
        return 2;
    }
    const QString& in = args[2];
    const QString& out = args[3];
    if (!QFileInfo(in).isFile()) {
        complain(QStringLiteral("错误：文件不存在！请确认文件位置！ (%1)").arg(in));
        return 1;
    }
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    const QString error = option == kExport ? MidiConversion::exportScoreFile(in, out, notes)
                                            : MidiConversion::importMidiFile(in, out, notes);
    if (error.isEmpty()) return 0;
    complain(error);
    return 1;
}

} // namespace MidiCommandLine
