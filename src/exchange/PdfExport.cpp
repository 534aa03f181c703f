#include "exchange/PdfExport.h"

#include "platform/AtomicFile.h"
#include "core/ConversionFiles.h"
#include "keyboard/KeyMap.h"
#include "score/ScoreFile.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"

#include <QPdfWriter>
#include <optional>

namespace PdfExport {

QString write(const QString& pdfPath, const PrintedScore& score, const PrintOptions& options) {
    const bool written = AtomicFile::write(pdfPath, [&](QIODevice& file) {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("Tonvale"));
        writer.setPageLayout(options.pageLayout);
        return score.print(writer, options.keyNames);
    });
    return written ? QString() : ConversionFiles::cannotWrite(pdfPath);
}

QString exportScoreFile(const QString& scorePath, const QString& pdfPath, const NoteTable& notes,
                        bool withKeys) {
    KeyMap keys;
    keys.readEmbeddedDefault(notes);
    std::optional<PrintedScore> printed;
    {
        // The file's bytes and rows are let go before the first page is drawn.
        const ScoreFile::ReadResult file = ScoreFile::readWhole(scorePath);
        if (file.error != ScoreFile::ReadError::None) return ScoreFile::errorText(file.error);
        Score score;
        ScoreWideValues wide;
        ScoreParser::parse(ScoreText::decode(file.bytes), notes, wide, score);
        score.strPlayingFile = scorePath;
        printed.emplace(score, [&keys](int key) { return keys.strKeyName(key); });
    }
    if (printed->isEmpty()) return nothingToPrintText();
    PrintOptions options;
    options.keyNames = withKeys;
    return write(pdfPath, *printed, options);
}

QString nothingToPrintText() {
    return QStringLiteral("错误：乐谱中没有可打印的音符！");
}

} // namespace PdfExport
