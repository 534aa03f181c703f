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
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x92, 72, 100}, {0x82, 72, 0}, {0xB1, 7, 90}, {0xB2, 0, 0}, {0xC2, 40, 0}}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MMidiOutTest, NotesOutsideTheMidiRangeSendNothing) {
    ASSERT_TRUE(midi.OpenMidiOut(-1));
    midi.NoteOn(0, -1, 100, 0);
    midi.NoteOn(0, 84, 100, 44);
    EXPECT_TRUE(backend.sent.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MMidiOutTest, SendingWithNoDeviceShowsTheInvalidHandleTextOncePerMessage) {
    midi.NoteOn(0, 10, 100, 36);
    midi.NoteOff(0, 10, 36);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text, QString("error 5"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
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
