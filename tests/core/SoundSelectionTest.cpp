// What the sound choices of the main window send, through a recording backend.
#include "core/Instruments.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingMidiBackend.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using Sent = RecordingMidiBackend::Sent;

struct SoundSelectionTest : testing::Test {
    void SetUp() override {
        QDir().mkpath(folder.paths().iniFolder());
        ASSERT_TRUE(sound.setDevices(midi.FillMidiDevices()));
        sound.setInstrumentNames(Instruments::LoadInstruments(folder.paths(), QLocale("zh_CN")));
        sound.setPitchShift(SoundSettings::kDefaultPitchShift);
        sound.setVelocity(SoundSettings::kMaxVelocity);
        ASSERT_TRUE(sound.selectDevice(0));
    }
    void strike(int keyIndex) {
        midi.NoteOn(sound.channel(), NoteTable::baseNote(keyIndex), sound.intVelocity(),
                    sound.intYindiao());
    }

    TempProgramFolder folder;
    RecordingMidiBackend backend;
    RecordingMessageSink messages;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
};

TEST_F(SoundSelectionTest, TheViolinOnChannelTwoSendsBankSelectThenProgramForty) {
    sound.selectChannel(2);
    ASSERT_TRUE(sound.selectInstrument(40));
    EXPECT_EQ(sound.instrumentNames().value(40), QString("小提琴"));
    EXPECT_EQ(backend.sent, (QList<Sent>{{0xB2, 0, 0}, {0xC2, 40, 0}}));
}

TEST_F(SoundSelectionTest, ChoosingAChannelSendsNothingAndNotesGoThereAfterwards) {
    sound.selectInstrument(5);
    backend.sent.clear();
    ASSERT_TRUE(sound.selectChannel(3));
    EXPECT_TRUE(backend.sent.isEmpty());
    strike(39);
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x93, 72, 127}}));
    EXPECT_EQ(sound.instrumentIndex(), 5); // the list keeps showing the old choice
}

TEST_F(SoundSelectionTest, AtStartUpTheInstrumentGoesToChannelZeroBeforeTheSavedChannel) {
    sound.selectInstrument(40);
    sound.selectChannel(4);
    strike(39);
    EXPECT_EQ(backend.sent, (QList<Sent>{{0xB0, 0, 0}, {0xC0, 40, 0}, {0x94, 72, 127}}));
}

TEST_F(SoundSelectionTest, SelectingTheSameDeviceAgainClosesAndReopensIt) {
    ASSERT_TRUE(sound.selectDevice(0));
    EXPECT_EQ(backend.openedIds, (QList<int>{-1, -1}));
    EXPECT_EQ(backend.closeCount, 1);
    EXPECT_TRUE(backend.sent.isEmpty()); // nothing is sent on open or close
}

TEST_F(SoundSelectionTest, VelocityZeroStillSendsNoteOnWithVelocityZero) {
    sound.setVelocity(0);
    strike(39);
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x90, 72, 0}}));
}

TEST_F(SoundSelectionTest, NoteOffCarriesThePitchShiftInForceWhenItIsSent) {
    strike(39);
    sound.setPitchShift(40);
    midi.NoteOff(sound.channel(), NoteTable::baseNote(39), sound.intYindiao());
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x90, 72, 127}, {0x80, 76, 0}}));
}

TEST_F(SoundSelectionTest, TheLowestKeyAtShiftZeroSendsNothing) {
    sound.setPitchShift(0);
    strike(0);
    strike(1);
    EXPECT_EQ(backend.sent, (QList<Sent>{{0x90, 0, 127}}));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A device remembered past the end of the list (unplugged, ports renumbered): the synthesizer at
// entry 0 opens instead, once, and the note names the missing position.
TEST_F(SoundSelectionTest, ARememberedDeviceThatIsGoneGivesWayToTheSynthesizer) {
    QStringList notes;
    QObject::connect(&sound, &SoundSettings::deviceNote,
                     [&](const QString& text) { notes << text; });
    backend.openedIds.clear();
    sound.selectRememberedDevice(2);
    EXPECT_EQ(sound.deviceIndex(), 0);
    EXPECT_EQ(backend.openedIds, QList<int>{-1});
    EXPECT_EQ(notes, QStringList{"找不到上次使用的 MIDI 设备（设备列表第 3 项），已改用“synth”。"});
    sound.selectRememberedDevice(1);
    EXPECT_EQ(sound.deviceIndex(), 1);
    EXPECT_EQ(notes.size(), 1);
}

TEST(SoundSelection, AnInstrumentWithoutANameStillSendsItsProgramNumber) {
    RecordingMidiBackend backend;
    RecordingMessageSink messages;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
    sound.setDevices(midi.FillMidiDevices());
    sound.selectDevice(1);
    TempProgramFolder folder;
    folder.write("INI", "not a folder");
    sound.setInstrumentNames(Instruments::LoadInstruments(folder.paths(), QLocale("en_US")));
    ASSERT_TRUE(sound.selectInstrument(127));
    EXPECT_EQ(sound.instrumentNames().value(127), QString());
    EXPECT_EQ(backend.sent, (QList<Sent>{{0xB0, 0, 0}, {0xC0, 127, 0}}));
}

TEST(SoundSelection, WithNoOutputAtAllTheListStaysEmptyAndTheFirstNoteShowsAnError) {
    RecordingMidiBackend backend;
    backend.deviceList.clear();
    RecordingMessageSink messages;
    MMidiOut midi{backend, messages};
    SoundSettings sound{midi};
    EXPECT_FALSE(sound.setDevices(midi.FillMidiDevices()));
    EXPECT_FALSE(sound.selectDevice(0));
    EXPECT_TRUE(backend.openedIds.isEmpty());
    midi.NoteOn(0, 36, 127, 36);
    EXPECT_EQ(messages.texts(), QStringList{"error 5"});
}

} // namespace
