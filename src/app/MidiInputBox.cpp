#include "app/MidiInputBox.h"

#include <QComboBox>
#include <QLabel>
#include <QSignalBlocker>

MidiInputBox::MidiInputBox(MidiKeyboardInput& input, QWidget* panel)
    : QObject(panel), input_(input) {
    auto* label = new QLabel(QStringLiteral("MIDI 输入∶"), panel);
    label->setGeometry(486, 69, 70, 21);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    ComMidiIn = new QComboBox(panel);
    ComMidiIn->setObjectName(QStringLiteral("ComMidiIn"));
    ComMidiIn->setGeometry(560, 69, 156, 21);
    showChoices();
    connect(&input_, &MidiKeyboardInput::choicesChanged, this, &MidiInputBox::showChoices);
    connect(&input_, &MidiKeyboardInput::chosen, this, [this](int index) {
        const QSignalBlocker block(ComMidiIn);
        ComMidiIn->setCurrentIndex(index);
    });
    connect(ComMidiIn, &QComboBox::activated, &input_, &MidiKeyboardInput::choose);
    connect(&poll_, &QTimer::timeout, &input_, &MidiKeyboardInput::refreshPorts);
    poll_.start(kPollMilliseconds);
}

void MidiInputBox::showChoices() {
    const QSignalBlocker block(ComMidiIn);
    ComMidiIn->clear();
    ComMidiIn->addItems(input_.choices());
    ComMidiIn->setCurrentIndex(input_.choiceIndex());
}
