#include "exchange/ScoreExportCommand.h"

#include "core/ConversionFiles.h"

ScoreExportCommand::ScoreExportCommand(const PlaybackEngine& engine, FileDialogs& dialogs,
                                       MessageSink& messages, Format format)
    : engine_(engine), dialogs_(dialogs), messages_(messages), format_(std::move(format)) {}

bool ScoreExportCommand::exportLoaded() {
    if (!engine_.hasScore()) return true;
    const Score& score = engine_.score();
    if (const QString refusal = format_.refusal(score); !refusal.isEmpty()) return refuse(refusal);
    const QString path = dialogs_.getSaveFileName(format_.dialogTitle, format_.dialogFilter,
                                                  format_.defaultSuffix);
    if (path.isEmpty()) return true;
    QString error = ConversionFiles::checkOutput(score.strPlayingFile, path);
    if (error.isEmpty()) error = format_.write(path);
    return error.isEmpty() || refuse(error);
}

bool ScoreExportCommand::refuse(const QString& error) {
    messages_.show(errorMessage(error));
    return false;
}
