#pragma once
// A recording MIDI backend that also notes the virtual time of every message.
#include "VirtualTimeSource.h"
#include "support/RecordingMidiBackend.h"

class TimedMidiBackend : public RecordingMidiBackend {
public:
    explicit TimedMidiBackend(const VirtualTimeSource& time) : time_(time) {}
    int sendShortMessage(std::uint32_t message) override {
        const int result = RecordingMidiBackend::sendShortMessage(message);
        if (result == kNoError) times.append(time_.nowMs());
        return result;
    }
    QList<qint64> times;

private:
    const VirtualTimeSource& time_;
};
