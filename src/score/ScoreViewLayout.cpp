#include "score/ScoreViewLayout.h"

#include <algorithm>

int ScoreViewLayout::itemWidth(const NotationItem& item) const {
    return metrics_.noteWidth * (1 + item.dashes) + (item.barAfter ? metrics_.barWidth : 0);
}

void ScoreViewLayout::build(const QList<NotationItem>& items, int viewWidth,
                            const Metrics& metrics) {
    metrics_ = metrics;
    itemCount_ = items.size();
    x_.resize(items.size());
    widths_.resize(items.size());
    lineStarts_.clear();
    right_ = std::max(viewWidth - metrics.margin, metrics.margin + metrics.noteWidth);
    int x = right_;
    // The first item after the last bar line of the current line; -1 when the line has none.
    qsizetype afterBar = -1;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int width = itemWidth(items[i]);
        widths_[i] = width;
        // A new line when the item does not fit, unless it is the first of its line. The line
        // breaks after its last bar line, and the bar begun there moves down with this item; a
        // bar that does not fit a line of its own breaks here.
        while (x + width > right_ && (lineStarts_.isEmpty() || lineStarts_.last() != i)) {
            const qsizetype start = afterBar >= 0 ? afterBar : i;
            afterBar = -1;
            lineStarts_.append(start);
            x = metrics.margin;
            for (qsizetype moved = start; moved < i; ++moved) {
                x_[moved] = x;
                x += widths_[moved];
            }
        }
        x_[i] = x;
        x += width;
        if (items[i].barAfter) afterBar = i + 1;
    }
}

qsizetype ScoreViewLayout::lineEnd(int line) const {
    return line + 1 < lineCount() ? lineStarts_[line + 1] : itemCount_;
}

int ScoreViewLayout::lineOf(qsizetype item) const {
    const auto after = std::upper_bound(lineStarts_.cbegin(), lineStarts_.cend(), item);
    return int(after - lineStarts_.cbegin()) - 1;
}

QRect ScoreViewLayout::cellRect(qsizetype item) const {
    return {x_[item], lineTop(lineOf(item)), metrics_.noteWidth, metrics_.lineHeight};
}

qsizetype ScoreViewLayout::itemAt(QPoint point) const {
    if (point.y() < metrics_.margin) return -1;
    const int line = (point.y() - metrics_.margin) / metrics_.lineHeight;
    if (line >= lineCount()) return -1;
    const auto first = x_.cbegin() + lineStart(line);
    const auto last = x_.cbegin() + lineEnd(line);
    const auto after = std::upper_bound(first, last, point.x());
    if (after == first) return -1;
    const qsizetype item = (after - x_.cbegin()) - 1;
    return point.x() < x_[item] + widths_[item] ? item : -1;
}

void ScoreViewLayout::paginate(int firstPageHeight, int pageHeight) {
    firstPageLines_ = std::max(1, firstPageHeight / metrics_.lineHeight);
    linesPerPage_ = std::max(1, pageHeight / metrics_.lineHeight);
}

int ScoreViewLayout::pageCount() const {
    const int rest = std::max(0, lineCount() - firstPageLines_);
    return 1 + (rest + linesPerPage_ - 1) / linesPerPage_;
}

int ScoreViewLayout::pageStartLine(int page) const {
    return page == 0 ? 0 : std::min(lineCount(), firstPageLines_ + (page - 1) * linesPerPage_);
}

int ScoreViewLayout::pageEndLine(int page) const {
    return page + 1 < pageCount() ? pageStartLine(page + 1) : lineCount();
}

int ScoreViewLayout::pageOf(int line) const {
    return line < firstPageLines_ ? 0 : 1 + (line - firstPageLines_) / linesPerPage_;
}
