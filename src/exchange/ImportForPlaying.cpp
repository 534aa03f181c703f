#include "exchange/ImportForPlaying.h"

#include "core/ConversionFiles.h"
#include "platform/AtomicFile.h"
#include "platform/GbkCodec.h"

#include <QDir>
#include <QFileInfo>

namespace {
// Scores are GBK on disk.
QString writeScore(const QString& scorePath, const QString& text) {
    return AtomicFile::write(scorePath, GbkCodec::encode(text))
               ? QString()
               : ConversionFiles::cannotWrite(scorePath);
}
} // namespace

ImportForPlaying::ImportForPlaying(const AppPaths& paths, MessageSink& messages,
                                   ChoiceDialog& choice, Format format)
    : paths_(paths), messages_(messages), choice_(choice), format_(std::move(format)) {}

QString ImportForPlaying::refuse(const QString& error) {
    messages_.show(errorMessage(error));
    return {};
}

QString ImportForPlaying::importForPlaying(const QString& path) {
    const QString folder = paths_.dataPath() + format_.folderName;
    const QString scorePath =
        folder + QDir::separator() + QFileInfo(path).completeBaseName() + QStringLiteral(".piano");
    // A folder, or the score made of an earlier import opened again, is no file to import.
    QString error = ConversionFiles::check(path, scorePath);
    if (!error.isEmpty()) return refuse(error);
    const Parts parts = format_.read(path);
    if (!parts.error.isEmpty()) return refuse(parts.error);
    int part = parts.preferred;
    if (parts.names.size() > 1)
        part = choice_.choose(format_.questionTitle, format_.questionPrompt, parts.names, part);
    if (part < 0 || part >= parts.names.size()) return {};
    const QString text = parts.scoreText(part, error);
    if (!error.isEmpty()) return refuse(error);
    if (!QDir().mkpath(folder)) return refuse(QStringLiteral("错误：无法创建文件夹“%1”！").arg(folder));
    error = writeScore(scorePath, text);
    return error.isEmpty() ? scorePath : refuse(error);
}

QString ImportForPlaying::writePreferredPart(const Format& format, const QString& path,
                                             const QString& scorePath) {
    const Parts parts = format.read(path);
    if (!parts.error.isEmpty()) return parts.error;
    QString error;
    const QString text = parts.scoreText(parts.preferred, error);
    return error.isEmpty() ? writeScore(scorePath, text) : error;
}
