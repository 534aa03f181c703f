#pragma once
// The sound choices of the main window: MIDI device, instrument, channel, pitch shift and
// velocity. Selecting a device or an instrument does its work here, whether the user or the
// settings load selects it, and the widgets only show the state.
#include "core/MMidiOut.h"

#include <QObject>
#include <QStringList>

class SoundSettings : public QObject {
    Q_OBJECT
public:
    static constexpr int kChannelCount = 8;
    static constexpr int kMaxPitchShift = 40;
    static constexpr int kDefaultPitchShift = 36;
    static constexpr int kMaxVelocity = 127;

    explicit SoundSettings(MMidiOut& midi, QObject* parent = nullptr);

    MMidiOut& midi() { return midi_; }

    // The device list (FillMidiDevices); true when it has at least one entry.
    bool setDevices(const QList<MidiDeviceInfo>& devices);
    const QList<MidiDeviceInfo>& devices() const { return devices_; }
    void setInstrumentNames(const QStringList& names);
    const QStringList& instrumentNames() const { return instrumentNames_; }

    // Each selector refuses an index outside its list and keeps its state; a valid one runs the
    // selection's work even when it is the present one (the user picked it again).
    bool selectDevice(int listIndex);
    // The device remembered from an earlier run. When its position is no longer in the list (a
    // synthesizer unplugged, ports renumbered), entry 0, the built-in synthesizer, is chosen
    // instead and deviceNote says which one was missing.
    void selectRememberedDevice(int listIndex);
    bool selectInstrument(int listIndex);
    bool selectChannel(int listIndex);
    bool setPitchShift(int value);
    bool setVelocity(int value);

    int deviceIndex() const { return deviceIndex_; }
    int instrumentIndex() const { return instrumentIndex_; }
    int channel() const { return channel_; }
    int intYindiao() const { return pitchShift_; }
    int intVelocity() const { return velocity_; }

    // What the status bar says while no sound comes out.
    static QString noSoundOutputText();

signals:
    void devicesChanged();
    void instrumentNamesChanged();
    void deviceSelected(int listIndex);
    void instrumentSelected(int listIndex);
    void channelSelected(int listIndex);
    void pitchShiftChanged(int value);
    void velocityChanged(int value);
    // The status bar's standing note on the sound output: noSoundOutputText while the output
    // fails, empty once a device opens.
    void soundOutputNoteChanged(const QString& text);
    // A one-time note for the status bar about the device chosen.
    void deviceNote(const QString& text);

private:
    MMidiOut& midi_;
    QList<MidiDeviceInfo> devices_;
    QStringList instrumentNames_;
    int deviceIndex_ = -1;
    int instrumentIndex_ = -1;
    int channel_ = 0;
    int pitchShift_ = 0;
    int velocity_ = 0;
};
