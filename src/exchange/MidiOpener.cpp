#include "exchange/MidiOpener.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiConversion.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

MidiOpener::MidiOpener(const NoteTable& notes, const AppPaths& paths, MessageSink& messages,
                       MidiTrackPicker& picker)
    : notes_(notes), paths_(paths), messages_(messages), picker_(picker) {}

void MidiOpener::report(const QString& text) {
    messages_.show(
        {text, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true});
}

QString MidiOpener::importForPlaying(const QString& midiPath) {
    const QString folder = paths_.dataPath() + QStringLiteral("MIDI");
    const QString scorePath = folder + QDir::separator() + QFileInfo(midiPath).completeBaseName() +
                              QStringLiteral(".piano");
    QString error = ConversionFiles::check(midiPath, scorePath);
    const SmfFile file = error.isEmpty() ? MidiConversion::readMidi(midiPath, error) : SmfFile();
    if (!error.isEmpty()) {
        report(error);
        return {};
    }
    const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(file);
    int choice = MidiImport::preferredChoice(choices);
    if (choice < 0) {
        report(MidiImport::noNotesText());
        return {};
    }
    if (choices.size() > 1) choice = picker_.pickMelody(choices, choice);
    if (choice < 0 || choice >= choices.size()) return {};
    const QString text =
        MidiConversion::importedScore(file, choices[choice], midiPath, notes_, error);
    if (error.isEmpty() && !QDir().mkpath(folder))
        error = QStringLiteral("错误：无法创建文件夹“%1”！").arg(folder);
    if (error.isEmpty()) error = MidiConversion::writeScore(scorePath, text);
    if (!error.isEmpty()) {
        report(error);
        return {};
    }
    return scorePath;
}
