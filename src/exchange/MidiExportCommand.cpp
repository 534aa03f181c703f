#include "exchange/MidiExportCommand.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiConversion.h"
#include "exchange/MidiExport.h"

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
    const Score& score = engine_.score();
    if (!MidiExport::hasNotes(score)) return refuse(MidiExport::noNotesText());
    const QString path =
        dialogs_.getSaveFileName(dialogTitle(), dialogFilter(), QStringLiteral("mid"));
    if (path.isEmpty()) return true;
    QString error = ConversionFiles::checkOutput(score.strPlayingFile, path);
    if (error.isEmpty()) {
        const MidiExport::Sound sound{sound_.channel(), sound_.intVelocity(), sound_.intYindiao(),
                                      sound_.instrumentIndex()};
        error = MidiConversion::writeMidi(
            path, MidiExport::write(score, {engine_.TempoBpm(), engine_.BeatUnit()}, sound));
    }
    return error.isEmpty() || refuse(error);
}

bool MidiExportCommand::refuse(const QString& error) {
    messages_.show(
        {error, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true});
    return false;
}
