#include "core/SoundSettings.h"

SoundSettings::SoundSettings(MMidiOut& midi, QObject* parent) : QObject(parent), midi_(midi) {
    connect(&midi_, &MMidiOut::failingChanged, this, [this](bool failing) {
        emit soundOutputNoteChanged(failing ? noSoundOutputText() : QString());
    });
}

QString SoundSettings::noSoundOutputText() {
    return QStringLiteral("没有声音输出：请在“设备”中选择一个设备");
}

bool SoundSettings::setDevices(const QList<MidiDeviceInfo>& devices) {
    devices_ = devices;
    deviceIndex_ = -1;
    emit devicesChanged();
    return !devices_.isEmpty();
}

void SoundSettings::setInstrumentNames(const QStringList& names) {
    instrumentNames_ = names;
    instrumentIndex_ = -1;
    emit instrumentNamesChanged();
}

bool SoundSettings::selectDevice(int listIndex) {
    if (listIndex < 0 || listIndex >= devices_.size()) return false;
    deviceIndex_ = listIndex;
    emit deviceSelected(listIndex);
    midi_.OpenMidiOut(devices_[listIndex].id);
    return true;
}

void SoundSettings::selectRememberedDevice(int listIndex) {
    if (selectDevice(listIndex) || !selectDevice(0)) return;
    const QString missing =
        listIndex >= 0 ? QStringLiteral("（设备列表第 %1 项）").arg(listIndex + 1) : QString();
    emit deviceNote(QStringLiteral("找不到上次使用的 MIDI 设备%1，已改用“%2”。")
                        .arg(missing, devices_[0].name));
}

bool SoundSettings::selectInstrument(int listIndex) {
    if (listIndex < 0 || listIndex >= instrumentNames_.size()) return false;
    instrumentIndex_ = listIndex;
    emit instrumentSelected(listIndex);
    midi_.SelectInstrument(channel_, 0, listIndex);
    return true;
}

bool SoundSettings::selectChannel(int listIndex) {
    // A channel has no work of its own: notes simply go there from now on.
    if (listIndex < 0 || listIndex >= kChannelCount) return false;
    channel_ = listIndex;
    emit channelSelected(listIndex);
    return true;
}

bool SoundSettings::setPitchShift(int value) {
    if (value < 0 || value > kMaxPitchShift) return false;
    pitchShift_ = value;
    emit pitchShiftChanged(value);
    return true;
}

bool SoundSettings::setVelocity(int value) {
    if (value < 0 || value > kMaxVelocity) return false;
    velocity_ = value;
    emit velocityChanged(value);
    return true;
}
