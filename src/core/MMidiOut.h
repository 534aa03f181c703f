#pragma once
// The one open MIDI output of the program and the short messages sent on it. Failures are shown
// with the backend's own text and never retried. A failing output is shown once: the failed open,
// or the first failed send after a good open (with no device open, the first send). Every later
// message fails silently, so that a score or a run of keys cannot bury the user in boxes, until a
// device opens again.
#include "platform/MessageSink.h"
#include "platform/MidiBackend.h"

#include <QObject>

class MMidiOut : public QObject {
    Q_OBJECT
public:
    MMidiOut(MidiBackend& backend, MessageSink& messages);

    QList<MidiDeviceInfo> FillMidiDevices() const;
    // Closes any open device first; true when a device is open afterwards.
    bool OpenMidiOut(int deviceId);
    // False when no device was open or closing failed.
    bool CloseMidiOut();
    bool isOpen() const { return hMidiOut_; }
    // True from a failed open or send until a device opens.
    bool failing() const { return failing_; }

    void NoteOn(int channel, int baseNote, int velocity, int shift);
    void NoteOff(int channel, int baseNote, int shift);
    void ControlChange(int channel, int controller, int value);
    void SelectInstrument(int channel, int bank, int program);
    // A data byte outside 0..127 has no encoding: nothing is sent.
    void SendShortMsg(int status, int data1, int data2, int add);
    void ShowMidiError(int code);

signals:
    void failingChanged(bool failing);

private:
    // Shows the failure unless it was shown since the last good open.
    void reportFailure(int code);
    void setFailing(bool failing);

    MidiBackend& backend_;
    MessageSink& messages_;
    bool hMidiOut_ = false;
    bool failing_ = false;
    bool failureShown_ = false;
};
