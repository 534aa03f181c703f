#include "exchange/AudioExportCommand.h"

#include "core/ConversionFiles.h"
#include "exchange/AudioExport.h"

#include <QCoreApplication>

AudioExportCommand::AudioExportCommand(AudioRenderer& renderer, const NoteTable& notes,
                                       FileDialogs& dialogs, MessageSink& messages)
    : renderer_(renderer), notes_(notes), dialogs_(dialogs), messages_(messages) {}

QString AudioExportCommand::dialogTitle() {
    return QStringLiteral("导出为音频...");
}

QString AudioExportCommand::dialogFilter() {
    return QStringLiteral("WAV 音频(*.wav)|*.wav|FLAC 音频(*.flac)|*.flac|"
                          "Ogg Vorbis 音频(*.ogg)|*.ogg");
}

bool AudioExportCommand::exportScore(const QString& scorePath) {
    if (scorePath.isEmpty()) return true;
    const QString path =
        dialogs_.getSaveFileName(dialogTitle(), dialogFilter(), QStringLiteral("wav"));
    if (path.isEmpty()) return true;
    QString error = ConversionFiles::check(scorePath, path);
    if (error.isEmpty()) error = AudioExport::exportScoreFile(scorePath, path, notes_, renderer_);
    if (error.isEmpty()) return true;
    messages_.show(
        {error, QCoreApplication::applicationName(), MessageIcon::Error, MessageButtons::Ok, true});
    return false;
}
