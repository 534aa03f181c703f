#include "controls/ButtonEx.h"
#include "core/Twips.h"
#include "controls/ControlPainter.h"

#include <QBitmap>
#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <algorithm>

using ControlPainter::mixed;

ButtonEx::ButtonEx(QWidget* parent) : CustomControl(parent) {
    backColor_ = palette().color(QPalette::Button);
    foreColor_ = palette().color(QPalette::ButtonText);
    highlightColor_ = foreColor_;
    setMouseTracking(true);
    // Clicking must not take the keyboard from the piano; Tab still reaches a dialog's buttons.
    setFocusPolicy(Qt::TabFocus);
    Timer1.setInterval(kHoverPollMs);
    connect(&Timer1, &QTimer::timeout, this, &ButtonEx::hoverTick);
    setCaption(caption_);
}

void ButtonEx::setAppearance(int appearance) {
    appearance_ = appearance;
    update();
}

void ButtonEx::setBackColor(const QColor& colour) {
    backColor_ = colour;
    update();
}

void ButtonEx::setCaption(const QString& caption) {
    caption_ = caption;
    if (shortcutId_ != 0) releaseShortcut(shortcutId_);
    const QKeySequence key = QKeySequence::mnemonic(caption);
    shortcutId_ = key.isEmpty() ? 0 : grabShortcut(key);
    updateGeometry();
    update();
}

void ButtonEx::setCaptionOffsetX(int pixels) {
    captionOffset_.setX(pixels);
    update();
}

void ButtonEx::setCaptionOffsetY(int pixels) {
    captionOffset_.setY(pixels);
    update();
}

void ButtonEx::setForeColor(const QColor& colour) {
    foreColor_ = colour;
    update();
}

void ButtonEx::setHighlightColor(const QColor& colour) {
    highlightColor_ = colour;
    update();
}

void ButtonEx::setRightToLeft(bool on) {
    rightToLeft_ = on;
    update();
}

void ButtonEx::setStyle(int style) {
    state_.setStyle(style);
    update();
}

void ButtonEx::setValue(int value) {
    state_.setValue(value);
    update();
}

void ButtonEx::setSymbol(ButtonSymbol symbol) {
    symbol_ = symbol;
    updateGeometry();
    update();
}

void ButtonEx::setSkin(SkinRole role, const QPixmap& skin) {
    skins_[role] = skin;
    update();
}

void ButtonEx::setTransparentColor(const QColor& colour) {
    transparentColor_ = colour;
    update();
}

QColor ButtonEx::captionColour() const {
    if (!isEnabled()) return palette().color(QPalette::Disabled, QPalette::ButtonText);
    return state_.captionHighlighted() ? highlightColor_ : foreColor_;
}

QSize ButtonEx::sizeHint() const {
    const QSize text = fontMetrics().size(Qt::TextShowMnemonic, caption_);
    const int symbolWidth = symbol_ == ButtonSymbol::None ? 0 : text.height() + (caption_.isEmpty() ? 0 : 4);
    return {std::max(text.width() + symbolWidth + 16, 24), std::max(text.height() + 8, 22)};
}

QPointF ButtonEx::toUnits(const QPointF& pixels) const { return pixels * kTwipsPerPixel; }

bool ButtonEx::event(QEvent* event) {
    if (event->type() == QEvent::Shortcut) {
        if (static_cast<QShortcutEvent*>(event)->shortcutId() != shortcutId_) return false;
        if (isEnabled()) emit Click();
        return true;
    }
    return CustomControl::event(event);
}

void ButtonEx::resizeEvent(QResizeEvent*) { emit Resize(); }

void ButtonEx::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        state_.leftPressed();
        update();
    }
    emitMouseDown(event);
}

void ButtonEx::mouseMoveEvent(QMouseEvent* event) {
    const auto events = state_.pointerMoved(rect().contains(event->position().toPoint()));
    update();
    if (events.enter) {
        Timer1.start();
        emit MouseEnter();
    }
    if (events.move) emitMouseMove(event);
}

void ButtonEx::mouseReleaseEvent(QMouseEvent* event) {
    const bool clicked =
        event->button() == Qt::LeftButton && state_.leftReleased(rect().contains(event->position().toPoint()));
    update();
    emitMouseUp(event);
    if (clicked) emit Click();
}

void ButtonEx::hoverTick() {
    if (!state_.hoverTick(rect().contains(mapFromGlobal(QCursor::pos())))) return;
    endHover();
}

// The platform's own notice that the pointer left, which the poll would find a tick later.
void ButtonEx::leaveEvent(QEvent* event) {
    if (!state_.isPressed() && state_.hoverTick(false)) endHover();
    CustomControl::leaveEvent(event);
}

void ButtonEx::endHover() {
    Timer1.stop();
    update();
    emit MouseExit();
}

void ButtonEx::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        if (!isEnabled()) {
            Timer1.stop();
            state_.reset();
        }
        update();
    }
    CustomControl::changeEvent(event);
}

const QPixmap& ButtonEx::currentSkin() const {
    const auto pick = [this](SkinRole role) -> const QPixmap& {
        return skins_[role].isNull() ? skins_[Up] : skins_[role];
    };
    if (!isEnabled()) return pick(Disabled);
    switch (state_.look()) {
    case ButtonLook::Pressed: return pick(Down);
    case ButtonLook::Hover: return pick(Over);
    case ButtonLook::Normal: break;
    }
    return hasFocus() ? pick(Focus) : skins_[Up];
}

void ButtonEx::paintFace(QPainter& painter) {
    if (appearance_ == kSkinAppearance && !skins_[Up].isNull()) {
        QPixmap skin = currentSkin();
        skin.setMask(skin.createMaskFromColor(transparentColor_));
        painter.drawPixmap(rect(), skin, skin.rect());
        return;
    }
    const QRectF body = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double radius = 3;
    const QColor accent = palette().color(QPalette::Highlight);
    const ButtonLook look = state_.look();
    if (!isEnabled()) {
        painter.setPen(QPen(mixed(backColor_, Qt::black, 0.18), 1));
        painter.setBrush(backColor_);
        painter.drawRoundedRect(body, radius, radius);
        return;
    }
    if (appearance_ == kFlatAppearance && look == ButtonLook::Normal) {
        painter.fillRect(rect(), backColor_);
        return;
    }
    QColor top = mixed(backColor_, Qt::white, 0.55), bottom = mixed(backColor_, Qt::black, 0.06);
    QColor edge = mixed(backColor_, Qt::black, 0.38);
    if (look == ButtonLook::Hover) {
        top = mixed(backColor_, Qt::white, 0.8);
        bottom = mixed(backColor_, accent, 0.14);
        edge = accent;
    } else if (look == ButtonLook::Pressed) {
        top = mixed(backColor_, Qt::black, 0.16);
        bottom = mixed(backColor_, Qt::black, 0.04);
        edge = mixed(backColor_, Qt::black, 0.5);
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.setPen(QPen(edge, 1));
    painter.setBrush(fill);
    painter.drawRoundedRect(body, radius, radius);
    // A lit upper rim for the raised looks, a shadow along the top for the pressed one.
    const QRectF rim = body.adjusted(1, 1, -1, -1);
    painter.setPen(QPen(look == ButtonLook::Pressed ? QColor(0, 0, 0, 40) : QColor(255, 255, 255, 170), 1));
    painter.drawLine(QPointF(rim.left() + radius - 1, rim.top()), QPointF(rim.right() - radius + 1, rim.top()));
}

void ButtonEx::paintContent(QPainter& painter) {
    const QColor colour = captionColour();
    const int shift = state_.look() == ButtonLook::Pressed ? 1 : 0;
    const QPointF offset = QPointF(captionOffset_) + QPointF(shift, shift);
    const QSize text = caption_.isEmpty() ? QSize() : fontMetrics().size(Qt::TextShowMnemonic, caption_);
    const double symbolSize = symbol_ == ButtonSymbol::None ? 0
                              : caption_.isEmpty()          ? std::round(std::min(width(), height()) * 0.5)
                                                            : std::round(text.height() * 0.8);
    const double gap = symbolSize > 0 && !caption_.isEmpty() ? 4 : 0;
    const double total = symbolSize + gap + text.width();
    double x = (width() - total) / 2 + offset.x();
    const double midY = height() / 2.0 + offset.y();
    if (rightToLeft_) x += total - symbolSize;
    const bool muted = symbol_ == ButtonSymbol::Speaker && Style() == ButtonExState::kTwoStateStyle && Value() == 0;
    paintButtonSymbol(painter, symbol_, QRectF(x, midY - symbolSize / 2, symbolSize, symbolSize), colour, muted);
    if (caption_.isEmpty()) return;
    const double textX = rightToLeft_ ? x - gap - text.width() : x + symbolSize + gap;
    painter.setPen(colour);
    painter.setLayoutDirection(rightToLeft_ ? Qt::RightToLeft : Qt::LeftToRight);
    painter.drawText(QRectF(textX, midY - text.height() / 2.0, text.width(), text.height()),
                     Qt::AlignCenter | Qt::TextShowMnemonic, caption_);
}

void ButtonEx::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    paintFace(painter);
    paintContent(painter);
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 2, 2);
    }
}
