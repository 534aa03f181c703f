#pragma once
// The MIDI input ports of the system. Messages of the open port reach the handler on the thread
// of the Qt event loop, one short message at a time.
#include <QStringList>
#include <functional>
#include <vector>

class MidiInputBackend {
public:
    using MessageHandler = std::function<void(const std::vector<unsigned char>&)>;

    virtual ~MidiInputBackend() = default;
    // Port names in the system's order; empty when the system has no MIDI input.
    virtual QStringList portNames() = 0;
    // Closes any open port first; false, with nothing open, when the port cannot be opened.
    virtual bool open(int portIndex, MessageHandler handler) = 0;
    virtual void close() = 0;
};
