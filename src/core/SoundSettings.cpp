#include "core/SoundSettings.h"

SoundSettings::SoundSettings(MMidiOut& midi, QObject* parent) : QObject(parent), midi_(midi) {}

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
