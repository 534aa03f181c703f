#include "score/PracticeChart.h"

#include "core/NumberText.h"

#include <QPainter>
#include <QPainterPath>

namespace {
constexpr int kMargin = 8;
constexpr int kDotRadius = 3;
} // namespace

PracticeChart::PracticeChart(QWidget* parent) : QWidget(parent) {
    setAccessibleName(QStringLiteral("首次弹对率图表"));
}

void PracticeChart::setPercents(QList<double> percents) {
    percents_ = std::move(percents);
    // What a screen reader says instead of the picture.
    setAccessibleDescription(percents_.isEmpty()
                                 ? QString()
                                 : QStringLiteral("%1 次练习的首次弹对率，最近一次 %2%，最高 %3%")
                                       .arg(percents_.size())
                                       .arg(NumberText::roundHalfEven(percents_.last()))
                                       .arg(NumberText::roundHalfEven(*std::max_element(
                                           percents_.cbegin(), percents_.cend()))));
    update();
}

void PracticeChart::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics = fontMetrics();
    const int labelWidth = metrics.horizontalAdvance(QStringLiteral("100%")) + kMargin;
    const QRectF plot =
        QRectF(rect()).adjusted(labelWidth + kMargin, kMargin + metrics.ascent() / 2.0, -kMargin,
                                -kMargin - metrics.ascent() / 2.0);
    const auto yOf = [&plot](double percent) {
        return plot.bottom() - plot.height() * qBound(0.0, percent, 100.0) / 100.0;
    };
    for (const int percent : {0, 50, 100}) {
        const double y = yOf(percent);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(QPointF(plot.left(), y), QPointF(plot.right(), y));
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRectF(kMargin, y - metrics.height() / 2.0, labelWidth, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, QStringLiteral("%1%").arg(percent));
    }
    if (percents_.isEmpty()) return;
    const qsizetype n = percents_.size();
    const auto xOf = [&plot, n](qsizetype i) {
        return n == 1 ? plot.center().x() : plot.left() + plot.width() * double(i) / double(n - 1);
    };
    QPainterPath line;
    line.moveTo(xOf(0), yOf(percents_[0]));
    for (qsizetype i = 1; i < n; ++i)
        line.lineTo(xOf(i), yOf(percents_[i]));
    const QColor color = palette().color(QPalette::Highlight);
    painter.setPen(QPen(color, 2));
    painter.drawPath(line);
    painter.setBrush(color);
    for (qsizetype i = 0; i < n; ++i)
        painter.drawEllipse(QPointF(xOf(i), yOf(percents_[i])), kDotRadius, kDotRadius);
}
