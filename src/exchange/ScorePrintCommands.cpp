#include "exchange/ScorePrintCommands.h"

#include "core/ConversionFiles.h"
#include "exchange/PdfExport.h"
#include "exchange/PrintedScore.h"

ScorePrintCommands::ScorePrintCommands(const Score& score, ScorePainter::KeyNameSource keyNames,
                                       PrintDialogs& printDialogs, FileDialogs& fileDialogs,
                                       MessageSink& messages)
    : score_(score), keyNames_(std::move(keyNames)), printDialogs_(printDialogs),
      fileDialogs_(fileDialogs), messages_(messages) {}

QString ScorePrintCommands::pdfDialogTitle() {
    return QStringLiteral("导出为 PDF...");
}

QString ScorePrintCommands::pdfDialogFilter() {
    return QStringLiteral("PDF 文件(*.pdf)|*.pdf|所有文件(*.*)|*.*");
}

bool ScorePrintCommands::printLoaded() {
    if (score_.rows.isEmpty()) return true;
    const PrintedScore printed(score_, keyNames_);
    if (printed.isEmpty()) return reportError(PdfExport::nothingToPrintText());
    // A device that fails is told of once, when the preview closes.
    bool failed = false;
    printDialogs_.preview(options_, [&](QPagedPaintDevice& device, bool withKeys) {
        const bool printedAll = printed.print(device, withKeys);
        failed = failed || !printedAll;
        return printedAll;
    });
    return failed ? reportError(QStringLiteral("错误：打印失败！")) : true;
}

bool ScorePrintCommands::exportLoadedAsPdf() {
    if (score_.rows.isEmpty()) return true;
    const PrintedScore printed(score_, keyNames_);
    if (printed.isEmpty()) return reportError(PdfExport::nothingToPrintText());
    const QString path =
        fileDialogs_.getSaveFileName(pdfDialogTitle(), pdfDialogFilter(), QStringLiteral("pdf"));
    if (path.isEmpty()) return true;
    if (const QString refused = ConversionFiles::checkOutput(score_.strPlayingFile, path);
        !refused.isEmpty())
        return reportError(refused);
    if (!printDialogs_.askPdfOptions(options_)) return true;
    const QString error = PdfExport::write(path, printed, options_);
    return error.isEmpty() || reportError(error);
}

bool ScorePrintCommands::reportError(const QString& text) {
    messages_.show(errorMessage(text));
    return false;
}
