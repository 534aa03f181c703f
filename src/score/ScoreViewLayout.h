#pragma once
// Where the items of a score in numbered notation stand in a view of a given width: left to
// right, wrapped into lines of equal height at bar lines (a bar longer than a line breaks where
// the line is full), and the lines divided into pages for printing. Laying out is one pass over
// the items; finding the line of an item or the item under a point is a bisection, so a view
// draws and answers clicks in time independent of the score's length.
#include "score/NotationItem.h"

#include <QList>
#include <QPoint>
#include <QRect>

class ScoreViewLayout {
public:
    struct Metrics {
        int noteWidth = 28; // a digit with its marks; each dash takes as much again
        int barWidth = 14;
        int lineHeight = 84;
        int margin = 6;
    };

    void build(const QList<NotationItem>& items, int viewWidth, const Metrics& metrics);

    const Metrics& metrics() const { return metrics_; }
    int lineCount() const { return int(lineStarts_.size()); }
    int contentHeight() const { return lineCount() * metrics_.lineHeight + 2 * metrics_.margin; }
    // Where the lines end on the right: the view's width less its margin.
    int lineRight() const { return right_; }
    // The items of `line`: [lineStart, lineEnd).
    qsizetype lineStart(int line) const { return lineStarts_[line]; }
    qsizetype lineEnd(int line) const;
    int lineOf(qsizetype item) const;
    int lineTop(int line) const { return metrics_.margin + line * metrics_.lineHeight; }
    // The note cell of `item` (its digit, not its dashes or bar line), in content coordinates.
    QRect cellRect(qsizetype item) const;
    // The whole width an item takes: the cell, its dashes and its bar line.
    int itemWidth(const NotationItem& item) const;
    // The item whose width holds `point` (content coordinates), or -1.
    qsizetype itemAt(QPoint point) const;

    // Divides the lines into pages: as many whole lines as `pageHeight` holds, on the first page
    // as many as `firstPageHeight` holds (the room its heading leaves); at least one a page, and
    // one page even for a score without lines.
    void paginate(int firstPageHeight, int pageHeight);
    int pageCount() const;
    // The lines of `page`: [pageStartLine, pageEndLine).
    int pageStartLine(int page) const;
    int pageEndLine(int page) const;
    int pageOf(int line) const;

private:
    Metrics metrics_;
    qsizetype itemCount_ = 0;
    int right_ = 0;
    QList<qint32> x_;
    QList<qsizetype> lineStarts_;
    QList<qint32> widths_;
    int firstPageLines_ = 1;
    int linesPerPage_ = 1;
};
