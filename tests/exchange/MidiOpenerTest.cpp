#include "exchange/ImportForPlaying.h"
#include "LoadedNoteTable.h"
#include "exchange/MidiConversion.h"
#include "midi/SmfReader.h"
#include "midi/SmfWriter.h"
#include "platform/GbkCodec.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedChoiceDialog.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

// Format 0 cannot hold two tracks, so the file is built by hand: a short track of one note and a
// longer one of three.
QByteArray twoTrackFile() {
    const auto track = [](std::initializer_list<int> notes) {
        SmfWriter out(96);
        qint64 at = 0;
        for (int note : notes) {
            out.channelMessage(at, 0x90, quint8(note), 100);
            out.channelMessage(at += 96, 0x80, quint8(note), 0);
        }
        const QByteArray file = out.finish();
        return file.mid(14); // the MTrk chunk after the header
    };
    QByteArray bytes("MThd\0\0\0\x06\0\x01\0\x02\0\x60", 14);
    return bytes + track({60}) + track({64, 65, 67});
}

struct MidiOpenerTest : testing::Test {
    TempProgramFolder folder;
    AppPaths paths = folder.paths();
    RecordingMessageSink messages;
    ScriptedChoiceDialog picker;
    ImportForPlaying opener{paths, messages, picker, MidiConversion::playingFormat(loadedNoteTable())};
};

TEST_F(MidiOpenerTest, WritesThePickedTracksScoreBesideTheDataFolder) {
    folder.write(QStringLiteral("song.mid"), twoTrackFile());
    picker.answer = 0;
    const QString score = opener.importForPlaying(folder.file(QStringLiteral("song.mid")));
    EXPECT_EQ(score, paths.dataPath() + QStringLiteral("MIDI/song.piano"));
    ASSERT_EQ(picker.offered.size(), 2);
    EXPECT_EQ(picker.offeredFirst, 1); // the track with the most notes
    const QString text = GbkCodec::decode(folder.read(QStringLiteral("MIDI/song.piano")));
    EXPECT_TRUE(text.endsWith(QStringLiteral("\r\n.1+4.0"))) << text.toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MidiOpenerTest, CancelledChoiceBrokenFileOrFolderOpensNothing) {
    folder.write(QStringLiteral("song.mid"), twoTrackFile());
    EXPECT_EQ(opener.importForPlaying(folder.file(QStringLiteral("song.mid"))), QString());
    EXPECT_TRUE(messages.shown.isEmpty());
    folder.write(QStringLiteral("cut.mid"), twoTrackFile().left(30));
    EXPECT_EQ(opener.importForPlaying(folder.file(QStringLiteral("cut.mid"))), QString());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, SmfReader::errorText(SmfReader::Error::Truncated));
    QDir(folder.path()).mkdir(QStringLiteral("folder.mid"));
    EXPECT_EQ(opener.importForPlaying(folder.file(QStringLiteral("folder.mid"))), QString());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.contains(QStringLiteral("文件夹")));
}

} // namespace
