#pragma once
// The status bytes of MIDI channel messages, and the reading of a note message that every part
// of the program shares: a note-on of velocity 0 is a note-off. Here, at the bottom of the
// includes, so that the output, the synthesizer, the keyboard input and the files all use it.
#include <QtGlobal>

namespace MidiStatus {

constexpr quint8 kNoteOff = 0x80;
constexpr quint8 kNoteOn = 0x90;
constexpr quint8 kKeyPressure = 0xA0;
constexpr quint8 kControlChange = 0xB0;
constexpr quint8 kProgramChange = 0xC0;
constexpr quint8 kChannelPressure = 0xD0;
constexpr quint8 kPitchBend = 0xE0;
// From here on, system messages: no channel, no running status.
constexpr quint8 kSystem = 0xF0;

// The percussion channel of General MIDI (channel 10, counted from 1): drums, no melody.
constexpr int kPercussionChannel = 9;
constexpr int kBankSelectController = 0;

constexpr int kind(int status) {
    return status & 0xF0;
}
constexpr int channel(int status) {
    return status & 0x0F;
}
// The status byte of message kind `kind` on `channel` (0..15).
constexpr quint8 on(quint8 kind, int channel) {
    return quint8(kind | (channel & 0x0F));
}

constexpr bool isNoteOn(int status, int velocity) {
    return kind(status) == kNoteOn && velocity > 0;
}
constexpr bool isNoteOff(int status, int velocity) {
    return kind(status) == kNoteOff || (kind(status) == kNoteOn && velocity == 0);
}

// Program change and channel pressure carry one data byte, the other channel messages two.
constexpr int dataBytes(int status) {
    return kind(status) == kProgramChange || kind(status) == kChannelPressure ? 1 : 2;
}

} // namespace MidiStatus
