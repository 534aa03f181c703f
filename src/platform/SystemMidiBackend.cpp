#include "platform/SystemMidiBackend.h"

#include "platform/midi/FluidSynthOutput.h"
#include "platform/midi/RtMidiPortOutput.h"
#include "platform/midi/RtMidiPorts.h"

SystemMidiBackend::Sources SystemMidiBackend::systemSources() {
    return {QStringLiteral("内置合成器 (FluidSynth)"),
            [] { return std::make_unique<FluidSynthOutput>(FluidSynthOutput::systemConfig()); },
            &RtMidiPorts::outputNames,
            [](int index, const QString& name) {
                return std::make_unique<RtMidiPortOutput>(index, name);
            }};
}

SystemMidiBackend::SystemMidiBackend(Sources sources) : sources_(std::move(sources)) {}

QList<MidiDeviceInfo> SystemMidiBackend::devices() {
    QList<MidiDeviceInfo> list{{kSynthesizerId, sources_.synthesizerName}};
    portNames_ = sources_.portNames();
    for (int id = 0; id < portNames_.size(); ++id)
        list.append({id, portNames_[id]});
    return list;
}

int SystemMidiBackend::open(int deviceId) {
    output_.reset();
    if (deviceId != kSynthesizerId && (deviceId < 0 || deviceId >= portNames_.size()))
        portNames_ = sources_.portNames();
    std::unique_ptr<MidiOutput> output;
    if (deviceId == kSynthesizerId)
        output = sources_.synthesizer();
    else if (deviceId >= 0 && deviceId < portNames_.size())
        output = sources_.port(deviceId, portNames_[deviceId]);
    else
        return fail(NoSuchDevice, QStringLiteral("没有编号为 %1 的 MIDI 输出设备。").arg(deviceId));
    QString error;
    if (!output->open(error)) return fail(OpenFailed, error);
    output_ = std::move(output);
    return kNoError;
}

int SystemMidiBackend::close() {
    if (!output_) return InvalidHandle;
    output_.reset();
    return kNoError;
}

int SystemMidiBackend::sendShortMessage(std::uint32_t message) {
    if (!output_) return InvalidHandle;
    QString error;
    return output_->send(message, error) ? kNoError : fail(SendFailed, error);
}

QString SystemMidiBackend::errorText(int code) const {
    if (code == InvalidHandle) return QStringLiteral("没有打开的 MIDI 输出设备（设备句柄无效）。");
    if (const auto it = lastText_.constFind(code); it != lastText_.constEnd()) return *it;
    return QStringLiteral("未知的 MIDI 错误（代码 %1）。").arg(code);
}

int SystemMidiBackend::fail(ErrorCode code, const QString& text) {
    lastText_.insert(code, text);
    return code;
}

std::unique_ptr<MidiBackend> createSystemMidiBackend() {
    return std::make_unique<SystemMidiBackend>(SystemMidiBackend::systemSources());
}
