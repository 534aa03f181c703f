#pragma once
// The MIDI outputs of this machine: the built-in synthesizer as device -1, then the output
// ports of the ALSA sequencer as devices 0..n-1. At most one is open at a time.
#include "platform/MidiBackend.h"
#include "platform/midi/MidiOutput.h"

#include <QHash>
#include <functional>
#include <memory>

class SystemMidiBackend : public MidiBackend {
public:
    static constexpr int kSynthesizerId = -1;
    enum ErrorCode { InvalidHandle = 1, NoSuchDevice = 2, OpenFailed = 3, SendFailed = 4 };

    // Where the outputs come from: the real ones in the program, chosen ones in the tests.
    struct Sources {
        QString synthesizerName;
        std::function<std::unique_ptr<MidiOutput>()> synthesizer;
        std::function<QStringList()> portNames;
        std::function<std::unique_ptr<MidiOutput>(int index, const QString& name)> port;
    };
    static Sources systemSources();

    explicit SystemMidiBackend(Sources sources);

    QList<MidiDeviceInfo> devices() override;
    int open(int deviceId) override;
    int close() override;
    int sendShortMessage(std::uint32_t message) override;
    int invalidHandleError() const override { return InvalidHandle; }
    QString errorText(int code) const override;

private:
    int fail(ErrorCode code, const QString& text);

    Sources sources_;
    QStringList portNames_; // as last listed, so that ids keep their meaning until listed again
    std::unique_ptr<MidiOutput> output_;
    QHash<int, QString> lastText_;
};

std::unique_ptr<MidiBackend> createSystemMidiBackend();
