#include "platform/midi/RtMidiPortOutput.h"

#include "platform/midi/AlsaErrorSilencer.h"
#include "platform/midi/RtMidiPorts.h"
#include "platform/midi/ShortMessage.h"

#include <RtMidi.h>

RtMidiPortOutput::RtMidiPortOutput(int index, QString name)
    : index_(index), name_(std::move(name)) {}

RtMidiPortOutput::~RtMidiPortOutput() = default;

bool RtMidiPortOutput::open(QString& error) {
    client_ = RtMidiPorts::openClient(errorText_);
    if (!client_) {
        error =
            QStringLiteral("无法连接 ALSA MIDI 音序器：%1").arg(QString::fromStdString(errorText_));
        return false;
    }
    const AlsaErrorSilencer quiet;
    const std::string wanted = name_.toStdString();
    const unsigned count = client_->getPortCount();
    unsigned port = count;
    if (index_ >= 0 && unsigned(index_) < count && client_->getPortName(unsigned(index_)) == wanted)
        port = unsigned(index_);
    for (unsigned i = 0; i < count && port == count; ++i)
        if (client_->getPortName(i) == wanted) port = i;
    if (port == count) {
        client_.reset();
        error = QStringLiteral("MIDI 端口“%1”已不存在。").arg(name_);
        return false;
    }
    errorText_.clear();
    client_->openPort(port, "Tonvale");
    if (!client_->isPortOpen()) {
        client_.reset();
        error = QStringLiteral("无法打开 MIDI 端口“%1”：%2")
                    .arg(name_, QString::fromStdString(errorText_));
        return false;
    }
    return true;
}

bool RtMidiPortOutput::send(std::uint32_t message, QString& error) {
    const ShortMessage m = ShortMessage::unpack(message);
    if (!client_ || !m.isChannelMessage()) {
        error = QStringLiteral("MIDI 端口“%1”不接受这条消息（0x%2）。")
                    .arg(name_)
                    .arg(message, 6, 16, QLatin1Char('0'));
        return false;
    }
    const unsigned char bytes[3] = {static_cast<unsigned char>(m.status),
                                    static_cast<unsigned char>(m.data1),
                                    static_cast<unsigned char>(m.data2)};
    errorText_.clear();
    const AlsaErrorSilencer quiet;
    client_->sendMessage(bytes, std::size_t(m.length()));
    if (errorText_.empty()) return true;
    error = QStringLiteral("无法向 MIDI 端口“%1”发送：%2")
                .arg(name_, QString::fromStdString(errorText_));
    return false;
}
