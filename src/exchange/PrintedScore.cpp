#include "exchange/PrintedScore.h"

#include "exchange/ScorePages.h"

#include <QPagedPaintDevice>
#include <QPainter>

PrintedScore::PrintedScore(const Score& score, ScorePainter::KeyNameSource keyNames)
    : notation_(score, {}), heading_(ScoreHeading::of(score, score.strPlayingFile)),
      keyNames_(std::move(keyNames)) {}

bool PrintedScore::print(QPagedPaintDevice& device, bool withKeys) const {
    const QSizeF points = device.pageLayout().paintRect(QPageLayout::Point).size();
    const ScorePages pages(
        notation_, heading_, withKeys ? keyNames_ : nullptr,
        QSize(int(points.width() / kPointsPerUnit), int(points.height() / kPointsPerUnit)), font_);
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const qreal scale = device.logicalDpiX() / 72.0 * kPointsPerUnit;
    for (int page = 0; page < pages.pageCount(); ++page) {
        if (page > 0 && !device.newPage()) return false;
        painter.save();
        painter.scale(scale, scale);
        pages.drawPage(painter, page);
        painter.restore();
    }
    return painter.end();
}
