#pragma once
// MIDI input ports as a test sets them, with the messages of the open port sent by the test.
#include "platform/MidiInputBackend.h"

class ScriptedMidiInputBackend : public MidiInputBackend {
public:
    QStringList portNames() override { return ports; }
    bool open(int portIndex, MessageHandler handler) override {
        close();
        if (portIndex < 0 || portIndex >= ports.size() || failOpen) return false;
        openPort = portIndex;
        handler_ = std::move(handler);
        return true;
    }
    void close() override {
        openPort = -1;
        handler_ = nullptr;
    }
    // A message from the open port; nothing when no port is open.
    void send(std::vector<unsigned char> bytes) {
        if (handler_) handler_(bytes);
    }

    QStringList ports;
    int openPort = -1;
    bool failOpen = false;

private:
    MessageHandler handler_;
};
