#pragma once
// The one open MIDI output of the program and the short messages sent on it. Failures are shown
// with the backend's own text and never retried.
#include "platform/MessageSink.h"
#include "platform/MidiBackend.h"

class MMidiOut {
public:
    MMidiOut(MidiBackend& backend, MessageSink& messages);

    QList<MidiDeviceInfo> FillMidiDevices() const;
    // Closes any open device first; true when a device is open afterwards.
    bool OpenMidiOut(int deviceId);
    // False when no device was open or closing failed.
    bool CloseMidiOut();
    bool isOpen() const { return hMidiOut_; }

    void NoteOn(int channel, int baseNote, int velocity, int shift);
    void NoteOff(int channel, int baseNote, int shift);
    void ControlChange(int channel, int controller, int value);
    void SelectInstrument(int channel, int bank, int program);
    // A data byte outside 0..127 has no encoding: nothing is sent.
    void SendShortMsg(int status, int data1, int data2, int add);
    void ShowMidiError(int code);

private:
    MidiBackend& backend_;
    MessageSink& messages_;
    bool hMidiOut_ = false;
};
