#include "keyboard/MidiKeyboardInput.h"

#include "core/CIni.h"

namespace {
constexpr int kNoteOff = 0x80;
constexpr int kNoteOn = 0x90;
constexpr int kControlChange = 0xB0;
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

void MidiKeyboardInput::refreshPorts() {
    const QStringList ports = backend_.portNames();
    if (ports == ports_) return;
    ports_ = ports;
    emit choicesChanged();
    if (portName_.isEmpty()) {
        emit chosen(choiceIndex_ = 0);
    } else if (ports_.contains(portName_)) {
        emit chosen(choiceIndex_ = int(ports_.indexOf(portName_)) + 1);
    } else {
        const QString lost = portName_;
        choose(0);
        emit statusMessage(lostText(lost));
    }
}

bool MidiKeyboardInput::choose(int choiceIndex) {
    if (choiceIndex < 0 || choiceIndex > ports_.size()) return false;
    backend_.close();
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
    const qsizetype at = name.isEmpty() ? -1 : ports_.indexOf(name);
    if (at >= 0) choose(int(at) + 1);
}

void MidiKeyboardInput::message(const std::vector<unsigned char>& bytes) {
    if (bytes.size() < 3) return;
    const int status = bytes[0] & 0xF0;
    const int data1 = bytes[1] & 0x7F;
    const int data2 = bytes[2] & 0x7F;
    const int keyIndex = data1 - kLowestNote;
    if (status == kNoteOn && data2 > 0)
        live_.press(keyIndex, data2);
    else if (status == kNoteOn || status == kNoteOff)
        live_.release(keyIndex);
    else if (status == kControlChange && data1 == PolyphonicNotes::kSustainController)
        live_.setPedal(data2 >= kPedalDownFrom);
}

void MidiKeyboardInput::load(const QString& settingsFile) {
    refreshPorts();
    chooseByName(CIni().ReadIniString_(kSection, kPortKey, settingsFile));
}

void MidiKeyboardInput::save(const QString& settingsFile) const {
    CIni().WriteIniString_(kSection, kPortKey, portName_, settingsFile);
}
