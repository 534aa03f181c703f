// The composite backend: which output each device id reaches, and the texts of its failures.
#include "platform/SystemMidiBackend.h"
#include "core/MMidiOut.h"
#include "support/RecordingMessageSink.h"

#include <gtest/gtest.h>

namespace {

struct OutputLog {
    QStringList opened; // "synth" or "port <index> <name>"
    QList<std::uint32_t> sent;
    int destroyed = 0;
};

class ScriptedOutput : public MidiOutput {
public:
    ScriptedOutput(OutputLog& log, QString what, QString openError, QString sendError)
        : log_(log), what_(std::move(what)), openError_(std::move(openError)),
          sendError_(std::move(sendError)) {}
    ~ScriptedOutput() override { ++log_.destroyed; }
    bool open(QString& error) override {
        log_.opened.append(what_);
        error = openError_;
        return openError_.isEmpty();
    }
    bool send(std::uint32_t message, QString& error) override {
        log_.sent.append(message);
        error = sendError_;
        return sendError_.isEmpty();
    }

private:
    OutputLog& log_;
    QString what_, openError_, sendError_;
};

struct SystemMidiBackendTest : testing::Test {
    SystemMidiBackend::Sources sources() {
        return {
            "内置合成器",
            [this] { return std::make_unique<ScriptedOutput>(log, "synth", openError, sendError); },
            [this] { return ports; },
            [this](int index, const QString& name) {
                return std::make_unique<ScriptedOutput>(
                    log, QString("port %1 %2").arg(index).arg(name), openError, sendError);
            }};
    }

    OutputLog log;
    QStringList ports{"Midi Through Port-0", "USB Keyboard"};
    QString openError, sendError;
    SystemMidiBackend backend{sources()};
};

TEST_F(SystemMidiBackendTest, TheSynthesizerComesFirstThenThePortsInOrder) {
    const QList<MidiDeviceInfo> devices = backend.devices();
    ASSERT_EQ(devices.size(), 3);
    EXPECT_EQ(devices[0].id, -1);
    EXPECT_EQ(devices[0].name, QString("内置合成器"));
    EXPECT_EQ(devices[1].id, 0);
    EXPECT_EQ(devices[1].name, QString("Midi Through Port-0"));
    EXPECT_EQ(devices[2].id, 1);
    EXPECT_EQ(devices[2].name, QString("USB Keyboard"));
}

TEST_F(SystemMidiBackendTest, EachIdReachesItsOutput) {
    backend.devices();
    EXPECT_EQ(backend.open(-1), MidiBackend::kNoError);
    EXPECT_EQ(backend.sendShortMessage(0x7F4590), MidiBackend::kNoError);
    EXPECT_EQ(backend.open(1), MidiBackend::kNoError);
    EXPECT_EQ(backend.sendShortMessage(0x4580), MidiBackend::kNoError);
    EXPECT_EQ(log.opened, (QStringList{"synth", "port 1 USB Keyboard"}));
    EXPECT_EQ(log.sent, (QList<std::uint32_t>{0x7F4590, 0x4580}));
    EXPECT_EQ(log.destroyed, 1); // the synthesizer went when the port came
}

TEST_F(SystemMidiBackendTest, PortsAreListedWhenOpenedBeforeAnyListing) {
    EXPECT_EQ(backend.open(0), MidiBackend::kNoError);
    EXPECT_EQ(log.opened, QStringList{"port 0 Midi Through Port-0"});
}

TEST_F(SystemMidiBackendTest, AnUnknownIdIsNoSuchDevice) {
    backend.devices();
    for (int id : {2, -2, 99}) {
        const int code = backend.open(id);
        EXPECT_EQ(code, SystemMidiBackend::NoSuchDevice);
        EXPECT_TRUE(backend.errorText(code).contains(QString::number(id)))
            << backend.errorText(code).toStdString();
    }
    EXPECT_TRUE(log.opened.isEmpty());
}

TEST_F(SystemMidiBackendTest, FailuresCarryTheOutputsOwnText) {
    openError = "no sound server";
    int code = backend.open(-1);
    EXPECT_EQ(code, SystemMidiBackend::OpenFailed);
    EXPECT_EQ(backend.errorText(code), QString("no sound server"));
    EXPECT_EQ(backend.sendShortMessage(0x90), SystemMidiBackend::InvalidHandle);

    openError.clear();
    sendError = "port gone";
    ASSERT_EQ(backend.open(-1), MidiBackend::kNoError);
    code = backend.sendShortMessage(0x7F4590);
    EXPECT_EQ(code, SystemMidiBackend::SendFailed);
    EXPECT_EQ(backend.errorText(code), QString("port gone"));
}

TEST_F(SystemMidiBackendTest, ClosingEndsSendingAndClosingTwiceIsAnInvalidHandle) {
    ASSERT_EQ(backend.open(-1), MidiBackend::kNoError);
    EXPECT_EQ(backend.close(), MidiBackend::kNoError);
    EXPECT_EQ(log.destroyed, 1);
    EXPECT_EQ(backend.close(), SystemMidiBackend::InvalidHandle);
    const int code = backend.sendShortMessage(0x7F4590);
    EXPECT_EQ(code, backend.invalidHandleError());
    EXPECT_FALSE(backend.errorText(code).isEmpty());
    EXPECT_TRUE(backend.errorText(12345).contains("12345"));
}

TEST_F(SystemMidiBackendTest, MMidiOutShowsAFailedOpenOnceAndTheNotesAfterItFailQuietly) {
    RecordingMessageSink messages;
    MMidiOut midi(backend, messages);
    ASSERT_EQ(midi.FillMidiDevices().size(), 3);
    openError = "内置合成器无法打开声音输出";
    EXPECT_FALSE(midi.OpenMidiOut(-1));
    midi.NoteOn(0, 33, 100, 36);
    midi.NoteOff(0, 33, 36);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, openError);
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(midi.failing());
}

} // namespace
