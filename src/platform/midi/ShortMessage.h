#pragma once
// A packed short MIDI message (status | data1 << 8 | data2 << 16) taken apart.
#include "platform/MidiStatus.h"

#include <cstdint>

struct ShortMessage {
    int status = 0;
    int data1 = 0;
    int data2 = 0;

    static constexpr ShortMessage unpack(std::uint32_t packed) {
        return {int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF)};
    }
    constexpr int kind() const { return MidiStatus::kind(status); }
    constexpr int channel() const { return MidiStatus::channel(status); }
    // Only channel messages are sent; system messages and stray data bytes are refused.
    constexpr bool isChannelMessage() const {
        return status >= MidiStatus::kNoteOff && status < MidiStatus::kSystem && data1 < 0x80 &&
               data2 < 0x80;
    }
    // Bytes on the wire: program change and channel pressure carry a single data byte.
    constexpr int length() const { return 1 + MidiStatus::dataBytes(status); }
};
