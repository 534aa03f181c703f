#include "platform/midi/RtMidiPorts.h"

#include "platform/midi/AlsaErrorSilencer.h"

#include <RtMidi.h>
#include <iostream>
#include <sstream>

namespace {

void keepError(RtMidiError::Type, const std::string& text, void* target) {
    *static_cast<std::string*>(target) = text;
}

// RtMidi writes a failure of its constructor to std::cerr before it throws.
class CerrCapture {
public:
    CerrCapture() : previous_(std::cerr.rdbuf(sink_.rdbuf())) {}
    ~CerrCapture() { std::cerr.rdbuf(previous_); }
    CerrCapture(const CerrCapture&) = delete;
    CerrCapture& operator=(const CerrCapture&) = delete;

private:
    std::ostringstream sink_;
    std::streambuf* previous_;
};

} // namespace

std::unique_ptr<RtMidiOut> RtMidiPorts::openClient(std::string& errorText) {
    const AlsaErrorSilencer quietAlsa;
    const CerrCapture quietRtMidi;
    try {
        // Always the ALSA API: RtMidi's JACK API crashes when no JACK server runs.
        auto client = std::make_unique<RtMidiOut>(RtMidi::LINUX_ALSA, "Tonvale");
        client->setErrorCallback(keepError, &errorText);
        return client;
    } catch (const RtMidiError& e) {
        errorText = e.getMessage();
    } catch (const std::exception& e) {
        errorText = e.what();
    }
    return nullptr;
}

std::unique_ptr<RtMidiIn> RtMidiPorts::openInputClient() {
    const AlsaErrorSilencer quietAlsa;
    const CerrCapture quietRtMidi;
    try {
        auto client = std::make_unique<RtMidiIn>(RtMidi::LINUX_ALSA, "Tonvale");
        client->setErrorCallback([](RtMidiError::Type, const std::string&, void*) {}, nullptr);
        return client;
    } catch (const RtMidiError&) {
    } catch (const std::exception&) {
    }
    return nullptr;
}

QStringList RtMidiPorts::outputNames() {
    std::string errorText;
    const std::unique_ptr<RtMidiOut> client = openClient(errorText);
    return client ? portNames(*client) : QStringList();
}

QStringList RtMidiPorts::portNames(RtMidi& client) {
    const AlsaErrorSilencer quietAlsa;
    QStringList names;
    const unsigned count = client.getPortCount();
    for (unsigned i = 0; i < count; ++i)
        names.append(QString::fromStdString(client.getPortName(i)));
    return names;
}
