#include "app/StatusBarView.h"

#include "core/StatusLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>

namespace {
constexpr int kIconSize = 14;

// A small round badge, drawn so that it stays crisp at any screen density.
QLabel* badge(const QColor& colour, QWidget* parent) {
    const qreal ratio = parent->devicePixelRatioF();
    QPixmap pixmap(QSize(kIconSize, kIconSize) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(colour.darker(140));
    p.setBrush(colour);
    p.drawEllipse(QRectF(1, 1, kIconSize - 2, kIconSize - 2));
    p.setPen(QPen(Qt::white, 1.6));
    p.drawLine(QPointF(kIconSize / 2.0, 4), QPointF(kIconSize / 2.0, kIconSize / 2.0 + 1));
    p.drawLine(QPointF(kIconSize / 2.0, kIconSize / 2.0 + 1),
               QPointF(kIconSize - 4.5, kIconSize / 2.0 + 1));
    auto* label = new QLabel(parent);
    label->setPixmap(pixmap);
    return label;
}
} // namespace

StatusBarView::StatusBarView(QWidget* picStatusBar, const StatusLine& status)
    : QObject(picStatusBar) {
    auto* row = new QHBoxLayout(picStatusBar);
    row->setContentsMargins(6, 1, 6, 0);
    row->setSpacing(4);
    lblStatus = new QLabel(status.text(), picStatusBar);
    connect(&status, &StatusLine::textChanged, lblStatus, &QLabel::setText);
    lblPlayedTime = new QLabel(QStringLiteral("已用时间 / 总时间"), picStatusBar);
    lblSoundOutput = new QLabel(picStatusBar);
    lblSoundOutput->setStyleSheet(QStringLiteral("color: #a01010"));
    lblSoundOutput->hide();
    imgFileIcon = badge(QColor(64, 110, 200), picStatusBar);
    row->addWidget(imgFileIcon, 0, Qt::AlignVCenter);
    row->addWidget(lblStatus, 0, Qt::AlignVCenter);
    row->addStretch(1);
    row->addWidget(lblSoundOutput, 0, Qt::AlignVCenter);
    row->addWidget(badge(QColor(90, 160, 90), picStatusBar), 0, Qt::AlignVCenter);
    row->addWidget(lblPlayedTime, 0, Qt::AlignVCenter);
}

void StatusBarView::showSoundOutputNote(const QString& text) {
    lblSoundOutput->setText(text);
    lblSoundOutput->setVisible(!text.isEmpty());
}
