#include "app/SoundPanel.h"

#include "core/NoteTable.h"

#include <QComboBox>
#include <QLabel>
#include <QScrollBar>
#include <QSignalBlocker>

namespace {
QLabel* caption(const QString& text, QWidget* parent, int x, int y) {
    auto* label = new QLabel(text, parent);
    label->setGeometry(x, y, 40, 24);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

QScrollBar* bar(int maximum, QWidget* parent, int x, int y) {
    auto* scroll = new QScrollBar(Qt::Horizontal, parent);
    scroll->setRange(0, maximum);
    scroll->setPageStep(1);
    scroll->setGeometry(x, y, 170, 18);
    return scroll;
}
} // namespace

SoundPanel::SoundPanel(SoundSettings& sound, QWidget* parent) : QWidget(parent), sound_(sound) {
    caption(QStringLiteral("设备∶"), this, 8, 8);
    ComDevies = new QComboBox(this);
    ComDevies->setGeometry(50, 8, 250, 24);
    caption(QStringLiteral("乐器∶"), this, 306, 8);
    ComSounds = new QComboBox(this);
    ComSounds->setGeometry(348, 8, 240, 24);
    ComSounds->setMaxVisibleItems(20);
    caption(QStringLiteral("频道∶"), this, 594, 8);
    ComChannel = new QComboBox(this);
    ComChannel->setGeometry(636, 8, 70, 24);
    for (int c = 0; c < SoundSettings::kChannelCount; ++c)
        ComChannel->addItem(QStringLiteral("    %1").arg(c));

    caption(QStringLiteral("音调∶"), this, 8, 44);
    HScrollYindiao = bar(SoundSettings::kMaxPitchShift, this, 50, 47);
    lblYindiao = new QLabel(this);
    lblYindiao->setGeometry(226, 44, 40, 24);
    caption(QStringLiteral("音量∶"), this, 270, 44);
    HScrollVolume = bar(SoundSettings::kMaxVelocity, this, 312, 47);

    showDevices();
    showInstruments();
    connect(&sound_, &SoundSettings::devicesChanged, this, &SoundPanel::showDevices);
    connect(&sound_, &SoundSettings::instrumentNamesChanged, this, &SoundPanel::showInstruments);

    // The user's choices go to the settings; the settings' state comes back without echo.
    connect(ComDevies, &QComboBox::activated, &sound_, &SoundSettings::selectDevice);
    connect(ComSounds, &QComboBox::activated, &sound_, &SoundSettings::selectInstrument);
    connect(ComChannel, &QComboBox::activated, &sound_, &SoundSettings::selectChannel);
    connect(HScrollYindiao, &QScrollBar::valueChanged, &sound_, &SoundSettings::setPitchShift);
    connect(HScrollVolume, &QScrollBar::valueChanged, &sound_, &SoundSettings::setVelocity);

    auto show = [](auto* widget, auto setter) {
        return [widget, setter](int value) {
            const QSignalBlocker block(widget);
            (widget->*setter)(value);
        };
    };
    connect(&sound_, &SoundSettings::deviceSelected, this, show(ComDevies, &QComboBox::setCurrentIndex));
    connect(&sound_, &SoundSettings::instrumentSelected, this, show(ComSounds, &QComboBox::setCurrentIndex));
    connect(&sound_, &SoundSettings::channelSelected, this, show(ComChannel, &QComboBox::setCurrentIndex));
    connect(&sound_, &SoundSettings::pitchShiftChanged, this, show(HScrollYindiao, &QScrollBar::setValue));
    connect(&sound_, &SoundSettings::velocityChanged, this, show(HScrollVolume, &QScrollBar::setValue));
    connect(&sound_, &SoundSettings::pitchShiftChanged, this,
            [this](int value) { lblYindiao->setText(PitchName(value)); });
    lblYindiao->setText(PitchName(sound_.intYindiao()));
}

void SoundPanel::showDevices() {
    const QSignalBlocker block(ComDevies);
    ComDevies->clear();
    for (const MidiDeviceInfo& device : sound_.devices()) ComDevies->addItem(device.name, device.id);
    ComDevies->setCurrentIndex(sound_.deviceIndex());
}

void SoundPanel::showInstruments() {
    const QSignalBlocker block(ComSounds);
    ComSounds->clear();
    ComSounds->addItems(sound_.instrumentNames());
    ComSounds->setCurrentIndex(sound_.instrumentIndex());
}
