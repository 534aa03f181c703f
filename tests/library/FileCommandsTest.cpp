// File ▸ Open, the open-location text, dropped items, Save a copy, playlists, the playing list
// between runs and the score editor's command.
#include "LibraryRig.h"
#include "QStringPrinter.h"
#include "core/CIni.h"
#include "library/FileProperties.h"
#include "library/PlaylistFile.h"
#include "library/ScoreEditCommand.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

using Dup = ListPair::DuplicateTest;

struct FileCommandsTest : testing::Test {
    QStringList scores(int n) {
        QStringList out;
        for (int i = 0; i < n; ++i) out << rig.score(QStringLiteral("曲%1.piano").arg(i), 3 + i);
        return out;
    }
    LibraryRig rig;
};

TEST_F(FileCommandsTest, OpenAsksForScoresAndPlaylistsAndOpensTheFirstChosen) {
    const QStringList chosen = scores(3);
    rig.dialogs.openAnswers << chosen;
    rig.commands.open(0, rig.playing);
    ASSERT_EQ(rig.dialogs.openAsked.size(), 1);
    EXPECT_EQ(rig.dialogs.openAsked[0].title, QString("打开..."));
    EXPECT_EQ(rig.dialogs.openAsked[0].filter,
              QString("Qor_Tonvale乐谱文件 (*.piano)|*.piano|播放列表 (*.plist)|*.plist|"
                      "MIDI 文件 (*.mid;*.midi)|*.mid;*.midi|"
                      "MusicXML 文件 (*.musicxml;*.xml;*.mxl)|*.musicxml;*.xml;*.mxl|所有文件 (*.*)|*.*"));
    EXPECT_TRUE(rig.dialogs.openAsked[0].multiple);
    EXPECT_EQ(rig.playing.entries(), chosen);
    EXPECT_EQ(rig.engine().score().strPlayingFile, chosen[0]);
    rig.commands.open(0, rig.playing); // cancelled
    EXPECT_EQ(rig.playing.entries(), chosen);
}

TEST_F(FileCommandsTest, OneFileWithTheFavoritesActiveJoinsBothLists) {
    rig.options.intPlayListOption = 2;
    const QString old = rig.score("旧.piano");
    rig.playing.AddListEntry(old, {}, Dup::OnEntries);
    const QString chosen = scores(1)[0];
    rig.commands.openChosen({chosen}, 1, rig.favorites);
    EXPECT_EQ(rig.favorites.entries(), QStringList{chosen});
    // The playing list is emptied only while it is the active list.
    EXPECT_EQ(rig.playing.entries(), (QStringList{old, chosen}));
    rig.commands.openChosen({chosen}, 0, rig.playing);
    EXPECT_EQ(rig.playing.entries(), QStringList{chosen});
}

TEST_F(FileCommandsTest, AQuotedLocationExistsButIsNoScore) {
    const QString path = scores(1)[0];
    rig.options.intPlayListOption = 2;
    rig.playing.AddListEntry(rig.score("旧.piano"), {}, Dup::OnEntries);
    rig.commands.openLocation('"' + path + '"');
    EXPECT_EQ(rig.texts(), QStringList{"错误：未知文件格式！"});
    // It exists, so option 2 has emptied the list before the opening failed.
    EXPECT_TRUE(rig.playing.isEmpty());
    rig.commands.openLocation("https://example.org/a.piano");
    EXPECT_EQ(rig.texts().last(), QString("错误：文件不存在！请确认文件位置！"));
}

TEST_F(FileCommandsTest, OptionTwoWithThreeDroppedScoresKeepsExactlyThoseAndPlaysTheFirst) {
    rig.options.intPlayListOption = 2;
    rig.playing.AddListEntry(rig.score("旧.piano"), {}, Dup::OnEntries);
    const QStringList dropped = scores(3);
    rig.commands.dropItems(dropped);
    EXPECT_EQ(rig.playing.entries(), dropped);
    EXPECT_EQ(rig.engine().score().strPlayingFile, dropped[0]);
    EXPECT_EQ(rig.playing.selectedRows(), QList<int>{0});
}

TEST_F(FileCommandsTest, ADroppedFolderIsAnnouncedAndOnlyAFirstScoreIsOpened) {
    QDir(rig.file("")).mkdir("目录");
    const QString score = scores(1)[0];
    rig.transport.rig.write("说明.txt", "x");
    QSignalSpy folders(&rig.commands, &FileCommands::folderDropped);
    rig.commands.dropItems({rig.file("目录"), rig.file("说明.txt"), score});
    ASSERT_EQ(folders.size(), 1);
    EXPECT_EQ(folders[0][0].toString(), rig.file("目录") + QDir::separator());
    EXPECT_EQ(rig.playing.entries(), QStringList{score});
    EXPECT_FALSE(rig.engine().hasScore());
    EXPECT_TRUE(rig.texts().isEmpty());
}

TEST_F(FileCommandsTest, SaveACopyWritesTheWholeFileAndNeverHarmsTheOriginal) {
    const QString path = scores(1)[0];
    rig.opener.playAllFiles(path, true, true);
    const QByteArray bytes = rig.transport.rig.folder.read("曲0.piano");
    rig.dialogs.answers << rig.file("副本.piano") << path << QString();
    rig.transport.rig.write("副本.piano", "older and longer content");
    EXPECT_TRUE(rig.commands.saveCopy());
    EXPECT_EQ(rig.transport.rig.folder.read("副本.piano"), bytes);
    ASSERT_EQ(rig.dialogs.asked.size(), 1);
    EXPECT_EQ(rig.dialogs.asked[0].title, QString("另存为..."));
    EXPECT_EQ(rig.dialogs.asked[0].filter, QString("媒体文件(*.piano)|*.piano|所有文件(*.*)|*.*"));
    EXPECT_EQ(rig.dialogs.asked[0].defaultSuffix, QString("piano"));
    EXPECT_TRUE(rig.commands.saveCopy()); // onto itself
    EXPECT_EQ(rig.transport.rig.folder.read("曲0.piano"), bytes);
    EXPECT_TRUE(rig.commands.saveCopy()); // cancelled
    EXPECT_TRUE(rig.texts().isEmpty());
}

TEST_F(FileCommandsTest, ACopyThatCannotBeWrittenIsReported) {
    rig.opener.playAllFiles(scores(1)[0], true, true);
    rig.dialogs.answers << rig.file("没有的目录/副本.piano");
    EXPECT_FALSE(rig.commands.saveCopy());
    EXPECT_EQ(rig.messages().shown.size(), 1);
    EXPECT_EQ(rig.messages().shown[0].icon, MessageIcon::Error);
}

TEST_F(FileCommandsTest, APlaylistSavedOverALongerOneReadsBackExactly) {
    const QStringList long20 = [] {
        QStringList out;
        for (int i = 0; i < 20; ++i) out << QStringLiteral("/m/%1.piano").arg(i);
        return out;
    }();
    PlaylistFile::save(rig.file("表.plist"), long20);
    const QStringList five = scores(5);
    for (const QString& p : five) rig.playing.AddListEntry(p, {}, Dup::OnEntries);
    rig.favorites.AddListEntry(rig.score("收藏.piano"), {}, Dup::OnEntries);
    rig.dialogs.answers << rig.file("表.plist");
    EXPECT_TRUE(rig.commands.savePlaylist());
    EXPECT_EQ(rig.dialogs.asked[0].title, QString("保存播放列表..."));
    EXPECT_EQ(rig.dialogs.asked[0].filter, QString("播放列表 (*.plist)|*.plist"));
    EXPECT_EQ(rig.dialogs.asked[0].defaultSuffix, QString("plist"));
    EXPECT_EQ(CIni().ReadIniString_("播放列表", "个数", rig.file("表.plist")), QString("5"));
    EXPECT_EQ(PlaylistFile::load(rig.file("表.plist")), five);

    rig.playing.clear();
    rig.dialogs.openAnswers << QStringList{rig.file("表.plist")};
    rig.commands.openPlaylist();
    EXPECT_FALSE(rig.dialogs.openAsked[0].multiple);
    EXPECT_EQ(rig.playing.entries(), five);
    EXPECT_EQ(rig.engine().lngTotalRow(), 3);
}

TEST(ScoreEditCommand, PassesThePathAsOneArgumentWithoutItsPosition) {
    const auto command = ScoreEditCommand::forEntry(R"(/m/a "b" c; $(rm).piano *12)", "/usr/bin/gedit", "/opt/t/tonvale");
    ASSERT_TRUE(command);
    EXPECT_EQ(command->program, QString("/usr/bin/gedit"));
    EXPECT_EQ(command->arguments, QStringList{R"(/m/a "b" c; $(rm).piano)"});
    EXPECT_FALSE(ScoreEditCommand::forEntry("/m/a.piano", "", "/opt/t/tonvale"));
    EXPECT_FALSE(ScoreEditCommand::forEntry("", "/usr/bin/gedit", "/opt/t/tonvale"));
}

TEST(ScoreEditCommand, NeverStartsThisProgramAndNeverPassesAnOption) {
    TempProgramFolder dir;
    dir.write("tonvale", "#!/bin/sh\n");
    dir.write("link/.keep", "");
    QFile::link(dir.file("tonvale"), dir.file("link/editor"));
    EXPECT_FALSE(ScoreEditCommand::forEntry("/m/a.piano", dir.file("link/editor"), dir.file("tonvale")));
    const auto relative = ScoreEditCommand::forEntry("-n.piano", "/usr/bin/gedit", dir.file("tonvale"));
    ASSERT_TRUE(relative);
    EXPECT_TRUE(relative->arguments[0].startsWith('/'));
}

TEST_F(FileCommandsTest, PropertiesOfAScoreCountItsRowsAndEstimateItsTime) {
    rig.transport.rig.write("属.piano", GbkCodec::encode("%1\r\n!D\r\n?3/4\r\n$60\r\n1+4\r\n2+4\r\n3+4"));
    const QStringList names{"钢琴", "亮音钢琴"};
    const FileProperties p = FileProperties::read(rig.file("属.piano") + " *3", rig.transport.rig.notes, names);
    EXPECT_TRUE(p.exists);
    EXPECT_EQ(p.path, rig.file("属.piano"));
    EXPECT_EQ(p.rowCount, 7);
    EXPECT_EQ(p.estimatedTime, QString("00:07.00"));
    EXPECT_EQ(p.scoreInfo, QString("乐 器：亮音钢琴\r\n音 调：D\r\n节 拍：3/4\r\n速 度：60 拍/分钟"));
    EXPECT_EQ(FileProperties::sizeText(1536), QString("1,536 字节 (1.5 kB)"));
    EXPECT_FALSE(FileProperties::read(rig.file("无.piano"), rig.transport.rig.notes, names).exists);
}

} // namespace
