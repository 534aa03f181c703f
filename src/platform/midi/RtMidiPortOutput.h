#pragma once
// One MIDI output port of the ALSA sequencer as a MIDI output.
#include "platform/midi/MidiOutput.h"

#include <memory>
#include <string>

class RtMidiOut;

class RtMidiPortOutput : public MidiOutput {
public:
    // The port listed at `index` under `name`. Should the ports have changed since they were
    // listed, the port of that name is opened wherever it now is.
    RtMidiPortOutput(int index, QString name);
    ~RtMidiPortOutput() override;

    bool open(QString& error) override;
    bool send(std::uint32_t message, QString& error) override;

private:
    int index_;
    QString name_;
    std::string errorText_; // filled by RtMidi's error callback
    std::unique_ptr<RtMidiOut> client_;
};
