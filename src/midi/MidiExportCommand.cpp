#include "midi/MidiExportCommand.h"

#include "midi/MidiConversion.h"

#include <QCoreApplication>

MidiExportCommand::MidiExportCommand(const PlaybackEngine& engine, const SoundSettings& sound,
                                     FileDialogs& dialogs, MessageSink& messages)
    : engine_(engine), sound_(sound), dialogs_(dialogs), messages_(messages) {}

QString MidiExportCommand::dialogTitle() {
    return QStringLiteral("导出为 MIDI 文件...");
}

QString MidiExportCommand::dialogFilter() {
    return QStringLiteral("MIDI 文件(*.mid)|*.mid|所有文件(*.*)|*.*");
}

bool MidiExportCommand::exportLoaded() {
    if (!engine_.hasScore()) return true;
    const QString path =
        dialogs_.getSaveFileName(dialogTitle(), dialogFilter(), QStringLiteral("mid"));
    if (path.isEmpty()) return true;
    const MidiExport::Sound sound{sound_.channel(), sound_.intVelocity(), sound_.intYindiao(),
                                  sound_.instrumentIndex()};
    const QString error = MidiConversion::writeMidi(
        path, MidiExport::write(engine_.score(), {engine_.TempoBpm(), engine_.BeatUnit()}, sound));
    if (error.isEmpty()) return true;
    messages_.show(
        {error, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true});
    return false;
}
