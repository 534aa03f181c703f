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
    const int right = std::max(viewWidth - metrics.margin, metrics.margin + metrics.noteWidth);
    int x = right;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const int width = itemWidth(items[i]);
        // A new line when the item does not fit, unless it is the first of its line.
        if (x + width > right && (lineStarts_.isEmpty() || lineStarts_.last() != i)) {
            lineStarts_.append(i);
            x = metrics.margin;
        }
        x_[i] = x;
        widths_[i] = width;
        x += width;
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
