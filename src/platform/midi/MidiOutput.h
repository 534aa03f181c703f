#pragma once
// One MIDI output that can sound short messages: the built-in synthesizer or a system port.
// Closing an output is destroying it.
#include <QString>
#include <cstdint>

class MidiOutput {
public:
    virtual ~MidiOutput() = default;
    // False, with the backend's own text in `error`, when the output cannot be used.
    virtual bool open(QString& error) = 0;
    // `message` is status | data1 << 8 | data2 << 16.
    virtual bool send(std::uint32_t message, QString& error) = 0;
};
