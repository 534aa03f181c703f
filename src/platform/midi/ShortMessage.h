#pragma once
// A packed short MIDI message (status | data1 << 8 | data2 << 16) taken apart.
#include <cstdint>

struct ShortMessage {
    int status = 0;
    int data1 = 0;
    int data2 = 0;

    static constexpr ShortMessage unpack(std::uint32_t packed) {
        return {int(packed & 0xFF), int((packed >> 8) & 0xFF), int((packed >> 16) & 0xFF)};
    }
    constexpr int kind() const { return status & 0xF0; }
    constexpr int channel() const { return status & 0x0F; }
    // Only channel messages are sent; system messages and stray data bytes are refused.
    constexpr bool isChannelMessage() const {
        return status >= 0x80 && status < 0xF0 && data1 < 0x80 && data2 < 0x80;
    }
    // Bytes on the wire: program change and channel pressure carry a single data byte.
    constexpr int length() const { return kind() == 0xC0 || kind() == 0xD0 ? 2 : 3; }
};
