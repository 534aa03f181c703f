#include "platform/SystemMidiBackend.h"

namespace {
// Until the synthesizer and port backends exist, the machine simply offers no MIDI output.
class NoMidiBackend : public MidiBackend {
public:
    QList<MidiDeviceInfo> devices() override { return {}; }
    int open(int) override { return 1; }
    int close() override { return kNoError; }
    int sendShortMessage(std::uint32_t) override { return 1; }
    int invalidHandleError() const override { return 1; }
    QString errorText(int) const override { return QStringLiteral("没有可用的 MIDI 输出设备。"); }
};
} // namespace

std::unique_ptr<MidiBackend> createSystemMidiBackend() { return std::make_unique<NoMidiBackend>(); }
