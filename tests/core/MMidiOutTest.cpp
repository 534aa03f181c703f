#include "core/MMidiOut.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingMidiBackend.h"

#include <gtest/gtest.h>

namespace {

using Sent = RecordingMidiBackend::Sent;

struct MMidiOutTest : testing::Test {
    RecordingMidiBackend backend;
    RecordingMessageSink messages;
    MMidiOut midi{backend, messages};
};

TEST_F(MMidiOutTest, MessagesHaveTheirLayout) {
    ASSERT_TRUE(midi.OpenMidiOut(-1));
    midi.NoteOn(2, 36, 100, 36);
    midi.NoteOff(2, 36, 36);
    midi.ControlChange(1, 7, 90);
    midi.SelectInstrument(2, 0, 40);
    EXPECT_EQ(
        backend.sent,
        (QList<Sent>{{0x92, 72, 100}, {0x82, 72, 0}, {0xB1, 7, 90}, {0xB2, 0, 0}, {0xC2, 40, 0}}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MMidiOutTest, NotesOutsideTheMidiRangeSendNothing) {
    ASSERT_TRUE(midi.OpenMidiOut(-1));
    midi.NoteOn(0, -1, 100, 0);
    midi.NoteOn(0, 84, 100, 44);
    EXPECT_TRUE(backend.sent.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MMidiOutTest, SendingWithNoDeviceShowsTheInvalidHandleTextOnce) {
    midi.NoteOn(0, 10, 100, 36);
    midi.NoteOff(0, 10, 36);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QString("error 5"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(midi.failing());
}

// However many notes follow, a failing output shows one box: the failed open, or the first failed
// send after a good open. Opening a device shows its own failure and ends the failing state.
TEST_F(MMidiOutTest, AFailingOutputIsShownOnceUntilADeviceOpens) {
    const auto play = [this] {
        for (int i = 0; i < 50; ++i)
            midi.NoteOn(0, 40 + i % 20, 100, 0);
    };
    backend.failOpen = true;
    EXPECT_FALSE(midi.OpenMidiOut(-1));
    play();
    EXPECT_EQ(messages.texts(), QStringList{"error 7"});
    EXPECT_TRUE(midi.failing());
    EXPECT_FALSE(midi.OpenMidiOut(-1));
    EXPECT_EQ(messages.texts(), (QStringList{"error 7", "error 7"}));

    backend.failOpen = false;
    ASSERT_TRUE(midi.OpenMidiOut(0));
    EXPECT_FALSE(midi.failing());
    backend.failSend = true;
    play();
    EXPECT_EQ(messages.texts(), (QStringList{"error 7", "error 7", "error 9"}));
    EXPECT_TRUE(midi.failing());
}

// The box waits for a click while the play timer goes on sending: those sends show nothing more.
TEST_F(MMidiOutTest, SendsWhileTheFailureIsShownAddNoBox) {
    struct SendingSink : MessageSink {
        MessageAnswer show(const Message&) override {
            ++shown;
            if (midi) midi->NoteOn(0, 40, 100, 0);
            return MessageAnswer::Ok;
        }
        MMidiOut* midi = nullptr;
        int shown = 0;
    } sink;
    MMidiOut busy(backend, sink);
    sink.midi = &busy;
    busy.NoteOn(0, 40, 100, 0);
    EXPECT_EQ(sink.shown, 1);
}

TEST_F(MMidiOutTest, OpeningClosesFirstAndAFailedOpenIsReported) {
    EXPECT_FALSE(midi.CloseMidiOut());
    ASSERT_TRUE(midi.OpenMidiOut(0));
    ASSERT_TRUE(midi.OpenMidiOut(0));
    EXPECT_EQ(backend.closeCount, 1);
    backend.failOpen = true;
    EXPECT_FALSE(midi.OpenMidiOut(-1));
    EXPECT_EQ(messages.texts(), QStringList{"error 7"});
    EXPECT_FALSE(midi.isOpen());
    EXPECT_FALSE(midi.CloseMidiOut());
}

} // namespace
