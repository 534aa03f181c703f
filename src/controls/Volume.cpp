#include "controls/Volume.h"
#include "controls/ControlPainter.h"
#include "platform/SystemVolume.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

using ControlPainter::ThumbState;

namespace {
// The slider's size in the main window's design: 1095 by 315 twips.
constexpr QSize kDesignSize(73, 21);
} // namespace

Volume::Volume(QWidget* parent) : CustomControl(parent) {
    backColor_ = palette().color(QPalette::Button);
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
}

void Volume::setVolume(int volume) {
    model_.setVolume(volume);
    changed();
}

void Volume::changed() {
    emit Change();
    if (controlSystemVolume_ && systemVolume_)
        systemVolume_->setSliderVolume(model_.Volume());
    update();
}

void Volume::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Volume::setLeftColor(const QColor& colour) {
    leftColor_ = colour;
    update();
}

void Volume::setRightColor(const QColor& colour) {
    rightColor_ = colour;
    update();
}

void Volume::setCircumColor(const QColor& colour) {
    circumColor_ = colour;
    update();
}

void Volume::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

QSize Volume::sizeHint() const { return kDesignSize; }

QPointF Volume::toUnits(const QPointF& pixels) const {
    return {pixels.x() * VolumeModel::kInnerWidth / std::max(width(), 1),
            pixels.y() * VolumeModel::kInnerHeight / std::max(height(), 1)};
}

void Volume::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && model_.press(toUnits(event->position()).x())) changed();
    emitMouseDown(event);
}

void Volume::mouseMoveEvent(QMouseEvent* event) {
    if (model_.drag(toUnits(event->position()).x())) changed();
    emitMouseMove(event);
}

void Volume::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDragging = model_.isDragging();
    model_.release();
    if (wasDragging) update();
    emitMouseUp(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}

void Volume::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) model_.release();
        update();
    }
    CustomControl::changeEvent(event);
}

// The drawn handle is slimmer than the thumb's grip range and stays whole inside the control at
// both ends, so it sits under the pointer to within a pixel or two.
QRectF Volume::handleRect() const {
    const double scale = double(width()) / VolumeModel::kInnerWidth;
    const double handleWidth = std::clamp(VolumeModel::kThumbWidth * scale * 0.7, 6.0, 14.0);
    const double travel = std::max(width() - handleWidth, 0.0);
    const double left = travel * model_.Volume() / VolumeModel::kMaxVolume;
    return {left, 0.5, handleWidth, height() - 1.0};
}

void Volume::paintWedge(QPainter& painter, double fillTo) {
    const QRectF handle = handleRect();
    const double x0 = handle.width() / 2, x1 = width() - handle.width() / 2;
    const double top = 2.5, bottom = height() - 2.5;
    if (x1 <= x0 || bottom <= top) return;
    QPainterPath wedge;
    wedge.moveTo(x0, bottom);
    wedge.lineTo(x1, bottom);
    wedge.lineTo(x1, top);
    wedge.closeSubpath();

    const bool on = isEnabled();
    const QColor left = on ? leftColor_ : ControlPainter::dimmed(leftColor_, backColor_);
    const QColor right = on ? rightColor_ : ControlPainter::dimmed(rightColor_, backColor_);
    const QColor rim = on ? circumColor_ : ControlPainter::dimmed(circumColor_, backColor_);

    painter.save();
    painter.setClipRect(QRectF(0, 0, fillTo, height()));
    QLinearGradient fill(0, top, 0, bottom);
    fill.setColorAt(0, ControlPainter::mixed(left, Qt::white, 0.3));
    fill.setColorAt(1, left);
    painter.fillPath(wedge, fill);
    // The rest is hatched with level lines, so that it reads as an empty scale.
    painter.setClipRect(QRectF(fillTo, 0, width() - fillTo, height()));
    painter.setClipPath(wedge, Qt::IntersectClip);
    painter.fillPath(wedge, ControlPainter::mixed(right, backColor_, 0.55));
    const double step = std::max(15.0 * height() / VolumeModel::kInnerHeight, 2.0);
    painter.setPen(QPen(right, 1));
    for (double y = bottom - 0.5; y > top; y -= step) painter.drawLine(QPointF(x0, y), QPointF(x1, y));
    painter.restore();

    painter.setPen(QPen(rim, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(wedge);
}

void Volume::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), backColor_);
    const QRectF handle = handleRect();
    paintWedge(painter, handle.center().x());
    ThumbState state = ThumbState::Normal;
    if (!isEnabled()) state = ThumbState::Disabled;
    else if (model_.isDragging()) state = ThumbState::Pressed;
    else if (underMouse()) state = ThumbState::Hover;
    ControlPainter::paintThumb(painter, handle, state, palette().color(QPalette::Highlight), picture_);
}
