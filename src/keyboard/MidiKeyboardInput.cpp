#include "keyboard/MidiKeyboardInput.h"

#include "core/CIni.h"
#include "core/NoteTable.h"
#include "platform/MidiStatus.h"

#include <QRegularExpression>

#include <utility>

namespace {
constexpr int kPedalDownFrom = 64;
const QString kSection = QStringLiteral("下拉框");
const QString kPortKey = QStringLiteral("ComMidiIn.PortName");
} // namespace

MidiKeyboardInput::MidiKeyboardInput(MidiInputBackend& backend, LiveKeyboard& live, QObject* parent)
    : QObject(parent), backend_(backend), live_(live) {}

QStringList MidiKeyboardInput::choices() const {
    return QStringList{noneCaption()} + ports_;
}

QString MidiKeyboardInput::lostText(const QString& name) {
    return QStringLiteral("MIDI 输入端口已断开：%1").arg(name);
}

QString MidiKeyboardInput::lastingName(const QString& portName) {
    static const QRegularExpression numbers(QStringLiteral("\\s+\\d+:\\d+$"));
    return QString(portName).remove(numbers);
}

int MidiKeyboardInput::choiceNamed(const QString& name) const {
    if (name.isEmpty()) return 0;
    for (qsizetype i = 0; i < ports_.size(); ++i)
        if (lastingName(ports_[i]) == lastingName(name)) return int(i) + 1;
    return 0;
}

void MidiKeyboardInput::refreshPorts() {
    const QStringList ports = backend_.portNames();
    if (ports == ports_) return;
    ports_ = ports;
    emit choicesChanged();
    const int wanted = choiceNamed(wanted_);
    if (wanted > 0 && ports_[wanted - 1] == portName_) {
        emit chosen(choiceIndex_ = wanted);
    } else if (wanted > 0) {
        // Back, or plugged in again under new numbers: the old connection is gone.
        open(wanted);
    } else if (!portName_.isEmpty()) {
        const QString lost = portName_;
        open(0);
        emit statusMessage(lostText(lost));
    } else {
        emit chosen(choiceIndex_ = 0);
    }
}

bool MidiKeyboardInput::choose(int choiceIndex) {
    if (choiceIndex < 0 || choiceIndex > ports_.size()) return false;
    wanted_ = choiceIndex > 0 ? ports_[choiceIndex - 1] : QString();
    return open(choiceIndex);
}

bool MidiKeyboardInput::open(int choiceIndex) {
    backend_.close();
    releaseHeldKeys();
    live_.setPedal(false);
    portName_.clear();
    choiceIndex_ = 0;
    if (choiceIndex > 0 &&
        backend_.open(choiceIndex - 1, [this](const auto& bytes) { message(bytes); })) {
        choiceIndex_ = choiceIndex;
        portName_ = ports_[choiceIndex - 1];
    }
    emit chosen(choiceIndex_);
    return choiceIndex_ == choiceIndex;
}

void MidiKeyboardInput::chooseByName(const QString& name) {
    wanted_ = name;
    if (const int choice = choiceNamed(name); choice > 0) open(choice);
}

void MidiKeyboardInput::message(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < 3) return;
    const int status = bytes[0];
    const int data1 = bytes[1] & 0x7F;
    const int data2 = bytes[2] & 0x7F;
    const int keyIndex = NoteTable::keyOfNote(data1, NoteTable::kPitchShiftOfC);
    if (MidiStatus::isNoteOn(status, data2)) {
        heldKeys_.append(keyIndex);
        live_.press(keyIndex, data2);
    } else if (MidiStatus::isNoteOff(status, data2)) {
        heldKeys_.removeOne(keyIndex);
        live_.release(keyIndex);
    } else if (MidiStatus::kind(status) == MidiStatus::kControlChange &&
               data1 == PolyphonicNotes::kSustainController) {
        live_.setPedal(data2 >= kPedalDownFrom);
    }
}

void MidiKeyboardInput::releaseHeldKeys() {
    const QList<int> held = std::exchange(heldKeys_, {});
    for (int keyIndex : held)
        live_.release(keyIndex);
}

void MidiKeyboardInput::load(const QString& settingsFile) {
    refreshPorts();
    chooseByName(CIni().ReadIniString_(kSection, kPortKey, settingsFile));
}

void MidiKeyboardInput::save(const QString& settingsFile) const {
    CIni().WriteIniString_(kSection, kPortKey, wanted_, settingsFile);
}
