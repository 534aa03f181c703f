#pragma once
// MIDI input from the ALSA sequencer through RtMidi. RtMidi calls back on a thread of its own;
// every message is queued to this object's thread before the handler sees it.
#include "platform/MidiInputBackend.h"

#include <QObject>
#include <atomic>
#include <memory>

class RtMidiIn;

class RtMidiInputBackend : public QObject, public MidiInputBackend {
    Q_OBJECT
public:
    explicit RtMidiInputBackend(QObject* parent = nullptr);
    ~RtMidiInputBackend() override;

    QStringList portNames() override;
    bool open(int portIndex, MessageHandler handler) override;
    void close() override;

private:
    static void received(double, std::vector<unsigned char>* message, void* self);

    std::unique_ptr<RtMidiIn> client_;
    MessageHandler handler_;
    // Raised by every close, so messages queued for a port closed since are dropped.
    std::atomic<int> generation_ = 0;
};
