#include "controls/Tracker.h"
#include "core/Twips.h"
#include "controls/ControlPainter.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

using ControlPainter::ThumbState;

Tracker::Tracker(QWidget* parent) : CustomControl(parent) {
    backColor_ = palette().color(QPalette::Button);
    left_.colour = QColor(0, 0, 255);
    right_.colour = Qt::white;
    setAttribute(Qt::WA_Hover);
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    layoutThumb();
}

void Tracker::setValue(int value) {
    model_.setValue(value);
    emit Change();
    update();
}

void Tracker::setMax(int max) {
    model_.setMax(max);
    emit Change();
    update();
}

void Tracker::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void Tracker::setLeftColor(const QColor& colour) {
    left_.colour = colour;
    update();
}

void Tracker::setRightColor(const QColor& colour) {
    right_.colour = colour;
    update();
}

void Tracker::setLeftAppearance(int appearance) {
    left_.appearance = appearance;
    update();
}

void Tracker::setRightAppearance(int appearance) {
    right_.appearance = appearance;
    update();
}

void Tracker::setLeftBorderStyle(int style) {
    left_.borderStyle = style;
    update();
}

void Tracker::setRightBorderStyle(int style) {
    right_.borderStyle = style;
    update();
}

void Tracker::setLeftBackStyle(int style) {
    left_.backStyle = style;
    update();
}

void Tracker::setRightBackStyle(int style) {
    right_.backStyle = style;
    update();
}

void Tracker::setLeftHeight(int twips) {
    left_.height = std::max(twips, 0);
    update();
}

void Tracker::setRightHeight(int twips) {
    right_.height = std::max(twips, 0);
    update();
}

void Tracker::setPicture(const QPixmap& picture) {
    picture_ = picture;
    update();
}

void Tracker::setThumbWidth(int twips) {
    thumbWidth_ = std::max(twips, 0);
    layoutThumb();
    update();
}

QSize Tracker::sizeHint() const { return {200, twipsToPixels(std::max(right_.height, 255))}; }

QPointF Tracker::toUnits(const QPointF& pixels) const { return pixels * kTwipsPerPixel; }

void Tracker::layoutThumb() {
    model_.setGeometry(pixelsToTwips(width()), thumbWidth_);
}

void Tracker::resizeEvent(QResizeEvent*) {
    layoutThumb();
    emit Resize();
}

void Tracker::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && model_.press(toUnits(event->position()).x())) {
        emit Change();
        update();
    }
    emitMouseDown(event);
}

void Tracker::mouseMoveEvent(QMouseEvent* event) {
    const QPointF at = toUnits(event->position());
    if (model_.drag(at.x())) {
        emit Change();
        update();
    }
    if (at.x() >= 0 && at.x() <= model_.width() && at.y() >= 0 && at.y() <= pixelsToTwips(height()))
        emitMouseMove(event);
}

void Tracker::mouseReleaseEvent(QMouseEvent* event) {
    const bool wasDragging = model_.isDragging();
    model_.release();
    if (wasDragging) update();
    emitMouseUp(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit Click();
}

void Tracker::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) model_.release();
        update();
    }
    CustomControl::changeEvent(event);
}

void Tracker::paintBar(QPainter& painter, const Bar& bar, double width) {
    const double barHeight = double(bar.height) / kTwipsPerPixel;
    const QRectF rect(0, (height() - barHeight) / 2, width, barHeight);
    const QColor colour = isEnabled() ? bar.colour : ControlPainter::dimmed(bar.colour, backColor_);
    ControlPainter::paintBar(painter, rect, {colour, bar.appearance == 1, bar.borderStyle == 1, bar.backStyle == 1});
}

void Tracker::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), backColor_);
    const double thumbLeft = model_.thumbLeft() / kTwipsPerPixel;
    paintBar(painter, right_, width());
    // The played part reaches under the thumb's middle, so no gap opens beside a round thumb.
    if (thumbLeft > 0) paintBar(painter, left_, thumbLeft + double(thumbWidth_) / kTwipsPerPixel / 2);

    ThumbState state = ThumbState::Normal;
    if (!isEnabled()) state = ThumbState::Disabled;
    else if (model_.isDragging()) state = ThumbState::Pressed;
    else if (underMouse()) state = ThumbState::Hover;
    const QRectF thumb(thumbLeft, 0, double(thumbWidth_) / kTwipsPerPixel, height());
    ControlPainter::paintThumb(painter, thumb.adjusted(0, 1, 0, -1), state,
                               palette().color(QPalette::Highlight), picture_);
}
