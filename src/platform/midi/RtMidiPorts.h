#pragma once
// The MIDI output ports of the ALSA sequencer, through RtMidi. A machine without a sequencer
// simply has none: nothing is thrown and nothing is printed.
#include <QStringList>
#include <memory>
#include <string>

class RtMidi;
class RtMidiIn;
class RtMidiOut;

class RtMidiPorts {
public:
    // Port names in the sequencer's order; empty without a sequencer.
    static QStringList outputNames();
    // The ports a client of either direction sees, in the sequencer's order.
    static QStringList portNames(RtMidi& client);
    // A sequencer client for output whose later errors go to `errorText` instead of the console
    // or an exception; null, with the reason in `errorText`, when there is no sequencer.
    static std::unique_ptr<RtMidiOut> openClient(std::string& errorText);
    // A sequencer client for input whose later errors are dropped; null without a sequencer.
    static std::unique_ptr<RtMidiIn> openInputClient();
};
