#include "app/TransportBar.h"

#include "controls/ButtonEx.h"
#include "controls/Tracker.h"
#include "core/Twips.h"

#include <QBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <algorithm>

const QColor TransportBar::kProgressBack{195, 210, 235};

namespace {
struct ButtonLook {
    const char* tooltip;
    ButtonSymbol symbol;
};
const std::array<ButtonLook, Transport::kButtonCount> kButtons{{
    {"播放", ButtonSymbol::Play},
    {"暂停", ButtonSymbol::Pause},
    {"停止", ButtonSymbol::Stop},
    {"第一个", ButtonSymbol::First},
    {"上一个", ButtonSymbol::Previous},
    {"下一个", ButtonSymbol::Next},
    {"最后一个", ButtonSymbol::Last},
}};
const QColor kPlayedColour(0, 0, 255);
const QColor kWhite(255, 255, 255);
} // namespace

TransportBar::TransportBar(Transport& transport, PlaybackEngine& engine, QWidget* controlBar,
                           QWidget* progressPanel, QLabel* playedTime, QObject* parent)
    : QObject(parent), transport_(transport), engine_(engine), lblPlayedTime_(playedTime) {
    createButtons(controlBar);
    createProgressBar(progressPanel);
    if (lblPlayedTime_) {
        lblPlayedTime_->setText(engine_.playedTimeText());
        lblPlayedTime_->setVisible(transport_.playedTimeVisible());
        lblPlayedTime_->installEventFilter(this);
        connect(&engine_, &PlaybackEngine::playedTimeTextChanged, lblPlayedTime_, &QLabel::setText);
        connect(&transport_, &Transport::playedTimeVisibleChanged, lblPlayedTime_,
                &QLabel::setVisible);
    }
}

ButtonEx* TransportBar::btnForControl(int index) const {
    return index >= 0 && index < Transport::kButtonCount ? buttons_[size_t(index)] : nullptr;
}

void TransportBar::createButtons(QWidget* controlBar) {
    for (int i = 0; i < Transport::kButtonCount; ++i) {
        auto* button = new ButtonEx(controlBar);
        button->setObjectName(QStringLiteral("btnForControl%1").arg(i));
        button->setCaption(QString());
        button->setSymbol(kButtons[size_t(i)].symbol);
        button->setToolTip(QString::fromUtf8(kButtons[size_t(i)].tooltip));
        button->setAccessibleName(button->toolTip());
        // Play, Pause and Stop stay pressed while theirs is the current state.
        button->setStyle(i <= Transport::StopButton ? 1 : 0);
        button->setEnabled(transport_.buttonsEnabled());
        connect(button, &ButtonEx::Click, &transport_, [this, i] {
            transport_.clickButton(Transport::Button(i));
            // The press flipped a two-state button by itself; the transport's Values decide.
            showValues();
        });
        buttons_[size_t(i)] = button;
    }
    showValues();
    connect(&transport_, &Transport::buttonValueChanged, this, &TransportBar::showValues);
    connect(&transport_, &Transport::buttonsEnabledChanged, this, [this](bool enabled) {
        for (ButtonEx* button : buttons_) button->setEnabled(enabled);
    });
    layoutButtons();
    controlBar->installEventFilter(this);
}

void TransportBar::showValues() {
    for (int i = 0; i < Transport::kButtonCount; ++i)
        buttons_[size_t(i)]->setValue(transport_.buttonValue(Transport::Button(i)));
}

void TransportBar::layoutButtons() {
    const QWidget* bar = buttons_[0]->parentWidget();
    const int top = std::max(0, (pixelsToTwips(bar->height()) - kButtonSize) / 2);
    for (int i = 0; i < Transport::kButtonCount; ++i) {
        const int left = kButtonLeft + i * (kButtonSize + kButtonGap);
        buttons_[size_t(i)]->setGeometry(twipsToPixels(QRect(left, top, kButtonSize, kButtonSize)));
    }
}

void TransportBar::createProgressBar(QWidget* progressPanel) {
    trkProgressBar_ = new Tracker(progressPanel);
    trkProgressBar_->setObjectName(QStringLiteral("trkProgressBar"));
    trkProgressBar_->setAccessibleName(QStringLiteral("播放进度"));
    trkProgressBar_->setBackColor(kProgressBack);
    trkProgressBar_->setLeftColor(kPlayedColour);
    trkProgressBar_->setRightColor(kProgressBack);
    trkProgressBar_->setLeftHeight(Tracker::kDefaultBarHeight);
    trkProgressBar_->setRightHeight(Tracker::kDefaultBarHeight);
    trkProgressBar_->setEnabled(transport_.progressEnabled());
    auto* layout = new QHBoxLayout(progressPanel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(trkProgressBar_);

    Tracker* bar = trkProgressBar_;
    connect(&engine_, &PlaybackEngine::progressRangeChanged, bar, &Tracker::setMax);
    connect(&engine_, &PlaybackEngine::progressValueChanged, bar, &Tracker::setValue);
    connect(&transport_, &Transport::progressValueRequested, bar, &Tracker::setValue);
    connect(&transport_, &Transport::progressEnabledChanged, bar, &Tracker::setEnabled);
    connect(&transport_, &Transport::progressRightWhiteChanged, bar,
            [bar](bool white) { bar->setRightColor(white ? kWhite : bar->BackColor()); });
    connect(bar, &Tracker::MouseDown, &transport_, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) transport_.progressMouseDown();
    });
    connect(bar, &Tracker::MouseMove, &transport_,
            [this] { transport_.progressMouseMove(trkProgressBar_->Value()); });
    connect(bar, &Tracker::MouseUp, &transport_, [this](Qt::MouseButton button) {
        if (button == Qt::LeftButton) transport_.progressMouseUp(trkProgressBar_->Value());
    });
}

bool TransportBar::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lblPlayedTime_ && event->type() == QEvent::MouseButtonRelease) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            lblPlayedTime_->rect().contains(mouse->position().toPoint()))
            transport_.playedTimeClicked();
    } else if (event->type() == QEvent::Resize && buttons_[0] &&
               watched == buttons_[0]->parentWidget()) {
        layoutButtons();
    }
    return QObject::eventFilter(watched, event);
}
