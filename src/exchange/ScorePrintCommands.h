#pragma once
// File ▸ "打印(&T)..." and File ▸ "导出为 PDF(&D)...": the loaded score on paper or in a PDF file,
// drawn as the score bar draws it. The options chosen last (paper, keys) are offered again.
#include "exchange/PrintDialogs.h"
#include "platform/FileDialogs.h"
#include "platform/MessageSink.h"
#include "score/Score.h"
#include "score/ScorePainter.h"

class ScorePrintCommands {
public:
    // `score` is the loaded score (no rows: none loaded); `keyNames` the current key map.
    ScorePrintCommands(const Score& score, ScorePainter::KeyNameSource keyNames,
                       PrintDialogs& printDialogs, FileDialogs& fileDialogs, MessageSink& messages);

    static QString pdfDialogTitle();
    static QString pdfDialogFilter();

    // The print preview of the loaded score; nothing without one. False when printing failed
    // (reported in an error box).
    bool printLoaded();
    // Asks for the PDF file, then the options, and writes it; nothing without a score or when
    // the person cancels. The loaded score's own file is never written over. False when the
    // file was not written (reported in an error box).
    bool exportLoadedAsPdf();

private:
    bool reportError(const QString& text);

    const Score& score_;
    ScorePainter::KeyNameSource keyNames_;
    PrintDialogs& printDialogs_;
    FileDialogs& fileDialogs_;
    MessageSink& messages_;
    PrintOptions options_;
};
