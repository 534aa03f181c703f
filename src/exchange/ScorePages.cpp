#include "exchange/ScorePages.h"

#include <QPainter>

namespace {

// Heights in layout units: the title and the key line on the first page, the page number at
// the foot of each.
constexpr int kTitleHeight = 40;
constexpr int kKeyLineHeight = 24;
constexpr int kHeadingGap = 8;
constexpr int kFooterHeight = 30;
constexpr int kHeadingHeight = kTitleHeight + kKeyLineHeight + kHeadingGap;

QFont pixelFont(const QFont& base, int pixels, bool bold = false) {
    QFont font(base);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

ScorePages::ScorePages(const ScoreNotation& notation, ScoreHeading heading,
                       ScorePainter::KeyNameSource keyNames, QSize pageSize, const QFont& font)
    : notation_(notation), heading_(std::move(heading)), keyNames_(std::move(keyNames)),
      pageSize_(pageSize), font_(font) {
    layout_.build(notation.items(), pageSize.width(), ScoreViewLayout::Metrics{});
    const int body = pageSize.height() - kFooterHeight;
    layout_.paginate(body - kHeadingHeight, body);
}

QRect ScorePages::lineRect(int line) const {
    const int page = layout_.pageOf(line);
    const int top = (page == 0 ? kHeadingHeight : 0) +
                    (line - layout_.pageStartLine(page)) * layout_.metrics().lineHeight;
    return {0, top, pageSize_.width(), layout_.metrics().lineHeight};
}

void ScorePages::drawPage(QPainter& painter, int page) const {
    painter.setRenderHint(QPainter::Antialiasing);
    if (page == 0) drawHeading(painter);
    const ScorePainter score(notation_, layout_, keyNames_, font_);
    int top = page == 0 ? kHeadingHeight : 0;
    for (int line = layout_.pageStartLine(page); line < layout_.pageEndLine(page); ++line) {
        score.drawLine(painter, line, top, {});
        top += layout_.metrics().lineHeight;
    }
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(font_, 11));
    painter.drawText(QRect(0, pageSize_.height() - kFooterHeight, pageSize_.width(), kFooterHeight),
                     Qt::AlignHCenter | Qt::AlignBottom,
                     ScoreHeading::pageNumber(page, pageCount()));
}

void ScorePages::drawHeading(QPainter& painter) const {
    const int margin = layout_.metrics().margin;
    const int width = pageSize_.width() - 2 * margin;
    painter.setPen(Qt::black);
    painter.setFont(pixelFont(font_, 24, true));
    painter.drawText(QRect(margin, 0, width, kTitleHeight), Qt::AlignCenter,
                     painter.fontMetrics().elidedText(heading_.title, Qt::ElideRight, width));
    painter.setFont(pixelFont(font_, 14));
    painter.drawText(QRect(margin, kTitleHeight, width, kKeyLineHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, heading_.keyLine);
}
