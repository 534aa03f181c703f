#pragma once
// MIDI output devices of the system: the built-in synthesizer (id -1) and the system's ports
// (ids 0..n-1). Error codes are the backend's own; 0 means success.
#include <QList>
#include <QString>
#include <cstdint>

struct MidiDeviceInfo {
    int id = -1;
    QString name;
};

class MidiBackend {
public:
    static constexpr int kNoError = 0;

    virtual ~MidiBackend() = default;
    // In the order they are offered: the built-in synthesizer first.
    virtual QList<MidiDeviceInfo> devices() = 0;
    virtual int open(int deviceId) = 0;
    virtual int close() = 0;
    // status | data1 << 8 | data2 << 16; sent only while a device is open.
    virtual int sendShortMessage(std::uint32_t message) = 0;
    // The code a send returns when no device is open.
    virtual int invalidHandleError() const = 0;
    virtual QString errorText(int code) const = 0;
};
