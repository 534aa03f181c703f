#include "core/MMidiOut.h"

#include "platform/MidiStatus.h"

#include <QCoreApplication>

MMidiOut::MMidiOut(MidiBackend& backend, MessageSink& messages)
    : backend_(backend), messages_(messages) {}

QList<MidiDeviceInfo> MMidiOut::FillMidiDevices() const {
    return backend_.devices();
}

bool MMidiOut::OpenMidiOut(int deviceId) {
    CloseMidiOut();
    const int code = backend_.open(deviceId);
    hMidiOut_ = code == MidiBackend::kNoError;
    // The user chose this device: its failure is news, whatever was shown before.
    failureShown_ = false;
    if (hMidiOut_)
        setFailing(false);
    else
        reportFailure(code);
    return hMidiOut_;
}

bool MMidiOut::CloseMidiOut() {
    if (!hMidiOut_) return false;
    const int code = backend_.close();
    if (code != MidiBackend::kNoError) ShowMidiError(code);
    hMidiOut_ = false;
    return code == MidiBackend::kNoError;
}

void MMidiOut::SendShortMsg(int status, int data1, int data2, int add) {
    const int note = data1 + add;
    if (note < 0 || note > 127 || data2 < 0 || data2 > 127) return;
    if (!hMidiOut_) {
        reportFailure(backend_.invalidHandleError());
        return;
    }
    const auto message = static_cast<std::uint32_t>(status & 0xFF) |
                         static_cast<std::uint32_t>(note) << 8 |
                         static_cast<std::uint32_t>(data2) << 16;
    const int code = backend_.sendShortMessage(message);
    if (code != MidiBackend::kNoError) reportFailure(code);
}

void MMidiOut::NoteOn(int channel, int baseNote, int velocity, int shift) {
    SendShortMsg(MidiStatus::kNoteOn + channel, baseNote, velocity, shift);
}

void MMidiOut::NoteOff(int channel, int baseNote, int shift) {
    SendShortMsg(MidiStatus::kNoteOff + channel, baseNote, 0, shift);
}

void MMidiOut::ControlChange(int channel, int controller, int value) {
    SendShortMsg(MidiStatus::kControlChange + channel, controller, value, 0);
}

void MMidiOut::SelectInstrument(int channel, int bank, int program) {
    ControlChange(channel, MidiStatus::kBankSelectController, bank);
    SendShortMsg(MidiStatus::kProgramChange + channel, program, 0, 0);
}

void MMidiOut::ShowMidiError(int code) {
    messages_.show({backend_.errorText(code), QCoreApplication::applicationName(),
                    MessageIcon::Error, MessageButtons::Ok, false});
}

void MMidiOut::reportFailure(int code) {
    setFailing(true);
    if (failureShown_) return;
    // Before the box: while it waits for a click, the play timer may send the next note.
    failureShown_ = true;
    ShowMidiError(code);
}

void MMidiOut::setFailing(bool failing) {
    if (failing == failing_) return;
    failing_ = failing;
    emit failingChanged(failing);
}
