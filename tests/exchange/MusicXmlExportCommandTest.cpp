// File ▸ "导出为 MusicXML(&L)..." on the loaded score: the main window's key stands until the
// score's own key rows, the score file itself is never replaced, and a score without notes is
// refused.
#include "EngineRig.h"
#include "exchange/MusicXmlConversion.h"
#include "support/ScriptedFileDialogs.h"

#include <gtest/gtest.h>

namespace {

struct MusicXmlExportCommandTest : testing::Test {
    EngineRig rig;
    ScriptedFileDialogs dialogs;
    ScoreExportCommand command{rig.engine, dialogs, rig.messages,
                               MusicXmlConversion::exportFormat(rig.engine, rig.sound)};
};

TEST_F(MusicXmlExportCommandTest, WritesTheLoadedScoreInTheWindowsKey) {
    EXPECT_TRUE(command.exportLoaded()); // no score: nothing asked
    EXPECT_TRUE(dialogs.asked.isEmpty());
    rig.load(QStringLiteral("%0\r\n?4/4\r\n$120\r\n1+4\r\n2+4"), QStringLiteral("曲.piano"));
    rig.sound.setPitchShift(31);
    dialogs.answers << rig.folder.file(QStringLiteral("曲.musicxml"));
    EXPECT_TRUE(command.exportLoaded());
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].title, QStringLiteral("导出为 MusicXML..."));
    EXPECT_EQ(dialogs.asked[0].defaultSuffix, QStringLiteral("musicxml"));
    const QByteArray xml = rig.folder.read(QStringLiteral("曲.musicxml"));
    EXPECT_TRUE(xml.contains("<fifths>1</fifths>"));
    EXPECT_TRUE(xml.contains("<work-title>曲</work-title>"));
    EXPECT_TRUE(xml.contains("<step>G</step>"));
    EXPECT_TRUE(rig.messages.shown.isEmpty());
}

TEST_F(MusicXmlExportCommandTest, TheScoreItselfAndAScoreWithoutNotesAreRefused) {
    const QByteArray song = "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4";
    rig.load(QString::fromLatin1(song));
    dialogs.answers << rig.engine.score().strPlayingFile;
    EXPECT_FALSE(command.exportLoaded());
    ASSERT_EQ(rig.messages.shown.size(), 1);
    EXPECT_TRUE(rig.messages.shown[0].text.contains(QStringLiteral("输入文件")));
    EXPECT_EQ(rig.folder.read(QStringLiteral("score.piano")), song);

    rig.load(QStringLiteral("%0\r\n!C\r\n?4/4\r\n$120\r\n0+4"));
    EXPECT_FALSE(command.exportLoaded());
    ASSERT_EQ(rig.messages.shown.size(), 2);
    EXPECT_EQ(rig.messages.shown[1].text, MusicXmlExport::noNotesText());
    EXPECT_EQ(dialogs.asked.size(), 1); // no file is asked for a score without notes
}

} // namespace
