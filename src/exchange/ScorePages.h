#pragma once
// The score as printed pages: the heading on the first page, the score bar's own lines below it
// (the same layout, drawn by the same painter), and the page number at the foot of every page.
// Everything is in the units of the score bar's layout; a page is drawn only when asked for, so
// a score of any length goes to paper one page at a time.
#include "exchange/ScoreHeading.h"
#include "score/ScorePainter.h"

#include <QFont>
#include <QSize>

class ScorePages {
public:
    // `pageSize` is the printable part of a page, in layout units.
    ScorePages(const ScoreNotation& notation, ScoreHeading heading,
               ScorePainter::KeyNameSource keyNames, QSize pageSize, const QFont& font);

    int pageCount() const { return layout_.pageCount(); }
    // Draws `page` (from 0) with the printable part's top left corner at the origin.
    void drawPage(QPainter& painter, int page) const;
    // Where `line` stands on its page.
    QRect lineRect(int line) const;
    const ScoreViewLayout& layout() const { return layout_; }

private:
    void drawHeading(QPainter& painter) const;

    const ScoreNotation& notation_;
    ScoreHeading heading_;
    ScorePainter::KeyNameSource keyNames_;
    QSize pageSize_;
    QFont font_;
    ScoreViewLayout layout_;
};
