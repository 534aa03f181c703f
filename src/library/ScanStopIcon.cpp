#include "library/ScanStopIcon.h"

#include "library/FolderScanCommands.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPolygonF>
#include <cmath>

ScanStopIcon::ScanStopIcon(FolderScanCommands& commands, QLabel* icon, const QCursor& pointer,
                           QObject* parent)
    : QObject(parent), commands_(commands), icon_(icon), pointer_(pointer) {
    if (icon_) icon_->installEventFilter(this);
    connect(&commands_, &FolderScanCommands::stopIconChanged, this, &ScanStopIcon::show);
}

QPixmap ScanStopIcon::stopPicture(int size, qreal ratio) {
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPolygonF octagon;
    const QPointF centre(size / 2.0, size / 2.0);
    const double radius = size / 2.0 - 0.5;
    for (int k = 0; k < 8; ++k) {
        const double angle = (k + 0.5) * M_PI / 4.0;
        octagon << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    p.setPen(QColor(140, 20, 20));
    p.setBrush(QColor(210, 40, 40));
    p.drawPolygon(octagon);
    const double bar = size / 3.0;
    p.fillRect(QRectF(centre.x() - bar / 2, centre.y() - bar / 2, bar, bar), Qt::white);
    return pixmap;
}

void ScanStopIcon::show(bool stopButton) {
    if (!icon_) return;
    if (stopButton) {
        ownPicture_ = icon_->pixmap();
        const int size =
            ownPicture_.isNull() ? 14 : int(ownPicture_.deviceIndependentSize().width());
        icon_->setPixmap(stopPicture(size, icon_->devicePixelRatioF()));
        icon_->setCursor(pointer_);
        icon_->setToolTip(FolderScanCommands::stopToolTip());
        return;
    }
    icon_->setPixmap(ownPicture_);
    icon_->unsetCursor();
    icon_->setToolTip(QString());
}

bool ScanStopIcon::eventFilter(QObject* watched, QEvent* event) {
    // The label also sends events while it is being destroyed, when it is a QLabel no more: only
    // the presses and releases a live label alone gets may look at it.
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease) return false;
    if (watched != icon_ || !commands_.isStopIconShown()) return false;
    if (event->type() == QEvent::MouseButtonPress)
        return static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            icon_->rect().contains(mouse->position().toPoint()))
            commands_.stopSearch();
        return true;
    }
    return false;
}
