#include "platform/midi/RtMidiInputBackend.h"

#include "platform/midi/AlsaErrorSilencer.h"
#include "platform/midi/RtMidiPorts.h"

#include <RtMidi.h>

RtMidiInputBackend::RtMidiInputBackend(QObject* parent) : QObject(parent) {}

RtMidiInputBackend::~RtMidiInputBackend() {
    close();
}

QStringList RtMidiInputBackend::portNames() {
    if (!client_) client_ = RtMidiPorts::openInputClient();
    return client_ ? RtMidiPorts::portNames(*client_) : QStringList();
}

bool RtMidiInputBackend::open(int portIndex, MessageHandler handler) {
    close();
    if (!client_) client_ = RtMidiPorts::openInputClient();
    if (!client_ || portIndex < 0 || unsigned(portIndex) >= client_->getPortCount()) return false;
    const AlsaErrorSilencer quietAlsa;
    client_->openPort(unsigned(portIndex), "Tonvale");
    if (!client_->isPortOpen()) return false;
    handler_ = std::move(handler);
    client_->setCallback(&RtMidiInputBackend::received, this);
    return true;
}

void RtMidiInputBackend::close() {
    ++generation_;
    handler_ = nullptr;
    if (!client_ || !client_->isPortOpen()) return;
    client_->cancelCallback();
    client_->closePort();
}

void RtMidiInputBackend::received(double, std::vector<unsigned char>* message, void* self) {
    auto* backend = static_cast<RtMidiInputBackend*>(self);
    const int generation = backend->generation_;
    QMetaObject::invokeMethod(
        backend,
        [backend, generation, bytes = *message] {
            if (generation == backend->generation_ && backend->handler_) backend->handler_(bytes);
        },
        Qt::QueuedConnection);
}
