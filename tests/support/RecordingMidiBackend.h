#pragma once
// A MIDI backend that records every short message and can be told to fail.
#include "platform/MidiBackend.h"

#include <QList>
#include <array>

class RecordingMidiBackend : public MidiBackend {
public:
    static constexpr int kInvalidHandle = 5;
    static constexpr int kOpenFailed = 7;
    static constexpr int kSendFailed = 9;

    struct Sent {
        int status, data1, data2;
        bool operator==(const Sent&) const = default;
    };

    QList<MidiDeviceInfo> devices() override { return deviceList; }
    int open(int deviceId) override {
        openedIds.append(deviceId);
        if (failOpen) return kOpenFailed;
        isOpen = true;
        return kNoError;
    }
    int close() override {
        ++closeCount;
        isOpen = false;
        return kNoError;
    }
    int sendShortMessage(std::uint32_t message) override {
        if (!isOpen) return kInvalidHandle;
        if (failSend) return kSendFailed;
        sent.append({int(message & 0xFF), int((message >> 8) & 0xFF), int((message >> 16) & 0xFF)});
        return kNoError;
    }
    int invalidHandleError() const override { return kInvalidHandle; }
    QString errorText(int code) const override { return QStringLiteral("error %1").arg(code); }

    QList<MidiDeviceInfo> deviceList{{-1, QStringLiteral("synth")}, {0, QStringLiteral("port 0")}};
    QList<Sent> sent;
    QList<int> openedIds;
    int closeCount = 0;
    bool isOpen = false;
    bool failOpen = false;
    bool failSend = false;
};
