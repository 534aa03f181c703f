#pragma once
// A score made ready for paper: its notation without the check's marks (paper shows what is
// written, not what a checker thinks of it), its heading, and the computer keys to print under
// the notes. It prints on any paged device, a printer or a PDF writer, at one printed size
// whatever the device's resolution, and lays out and draws one page at a time.
#include "exchange/ScoreHeading.h"
#include "score/ScorePainter.h"

#include <QFont>

class QPagedPaintDevice;

class PrintedScore {
public:
    // A layout unit (a pixel of the score bar) on paper: a digit of the bar's 20 pixels prints
    // at 14 points.
    static constexpr double kPointsPerUnit = 0.7;

    // The heading names the score's file when it has no caption.
    PrintedScore(const Score& score, ScorePainter::KeyNameSource keyNames);

    // No note or rest to print.
    bool isEmpty() const { return notation_.items().isEmpty(); }
    // All pages on `device`, with the computer keys when `withKeys`. False when the device
    // refused to draw or to begin a page.
    bool print(QPagedPaintDevice& device, bool withKeys) const;

private:
    ScoreNotation notation_;
    ScoreHeading heading_;
    ScorePainter::KeyNameSource keyNames_;
    QFont font_;
};
