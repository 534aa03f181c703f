#pragma once
// A score as a PDF file: real text with its fonts embedded, so that the file can be searched and
// copied from. The file is written beside its name and put in place only when whole, so a
// failure never leaves a damaged file or replaces a good one.
#include "core/NoteTable.h"
#include "exchange/PrintOptions.h"
#include "exchange/PrintedScore.h"

namespace PdfExport {

// "" when written, else the message for the user.
QString write(const QString& pdfPath, const PrintedScore& score, const PrintOptions& options);

// A score file on A4, under every note the key that plays it in the default key map (as on a
// fresh start) when `withKeys`. Refuses a score without notes.
QString exportScoreFile(const QString& scorePath, const QString& pdfPath, const NoteTable& notes,
                        bool withKeys);

// The message of a score that has nothing to print.
QString nothingToPrintText();

} // namespace PdfExport
