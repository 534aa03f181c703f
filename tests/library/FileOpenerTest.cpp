// playAllFiles and the playlist loader on the real engine: what ends in the lists, the recent
// files, the title and lngTotalRow.
#include "LibraryRig.h"
#include "QStringPrinter.h"
#include "library/PlaylistFile.h"

#include <gtest/gtest.h>

namespace {

const QString kMissing = QStringLiteral("错误：文件不存在！请确认文件位置！");
const QString kUnknown = QStringLiteral("错误：未知文件格式！");

struct FileOpenerTest : testing::Test {
    LibraryRig rig;
};

TEST_F(FileOpenerTest, AnEntryWithAPositionStartsAfterThatRowAndJoinsTheListsWhole) {
    const QString entry = rig.score("a.piano", 80) + " *57";
    EXPECT_EQ(rig.opener.playAllFiles(entry, true, true), 80);
    EXPECT_EQ(rig.engine().lngCurrentRow(), 57);
    EXPECT_EQ(rig.playing.entries(), QStringList{entry});
    EXPECT_EQ(rig.playing.displayText(0), QString("1.  a *57"));
    EXPECT_EQ(rig.recent.lstRecentFullPath(), QStringList{entry});
    EXPECT_EQ(rig.playing.selectedRows(), QList<int>{0});
}

TEST_F(FileOpenerTest, ExtensionsAreTestedWithoutRegardToCase) {
    const QString score = rig.score("大写.Piano", 4);
    PlaylistFile::save(rig.file("表.PLIST"), {score});
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("表.PLIST"), true, true), 4);
    EXPECT_EQ(rig.engine().score().strPlayingFile, score);
    EXPECT_EQ(rig.playing.entries(), QStringList{score});
    EXPECT_TRUE(rig.texts().isEmpty());
}

TEST_F(FileOpenerTest, AMissingFileWhileAnotherPlaysChangesNothing) {
    rig.options.intTitleOption = 1;
    const QString playing = rig.score("在播.piano", 12);
    rig.opener.playAllFiles(playing, true, true);
    rig.transport.playToRow(3);
    const QStringList captions = rig.captions;
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("没有.piano") + " *9", true, true), 12);
    EXPECT_EQ(rig.texts(), QStringList{kMissing});
    EXPECT_EQ(rig.engine().score().strPlayingFile, playing);
    EXPECT_EQ(rig.engine().lngCurrentRow(), 3);
    EXPECT_TRUE(rig.engine().isTimerRunning());
    EXPECT_EQ(rig.captions, captions);
    EXPECT_EQ(rig.playing.count(), 1);
}

TEST_F(FileOpenerTest, AScoreThatCannotBeReadJoinsNoListAndLeavesTheCaption) {
    rig.options.intTitleOption = 1;
    const QString binary = rig.transport.rig.write("图.piano", QByteArray("PK\x03\x04\0\0", 6));
    EXPECT_EQ(rig.opener.playAllFiles(binary, true, true), 0);
    // A playlist's entries join the list as they are; the refused top one is not opened.
    PlaylistFile::save(rig.file("单.plist"), {binary});
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("单.plist"), true, true), 0);
    EXPECT_EQ(rig.playing.entries(), QStringList{binary});
    EXPECT_TRUE(rig.captions.isEmpty());
    EXPECT_TRUE(rig.recent.lstRecentFullPath().isEmpty());

    const QString playing = rig.score("在播.piano", 12);
    rig.opener.playAllFiles(playing, true, true);
    rig.transport.playToRow(3);
    EXPECT_EQ(rig.opener.playAllFiles(binary + " *9", true, true), 12);
    EXPECT_EQ(rig.texts(), QStringList(3, "错误：该文件不是文本格式的乐谱，无法打开！"));
    EXPECT_EQ(rig.engine().score().strPlayingFile, playing);
    EXPECT_EQ(rig.engine().lngCurrentRow(), 3);
    EXPECT_TRUE(rig.engine().isTimerRunning());
    EXPECT_EQ(rig.captions, QStringList{"T -> [在播]"});
    EXPECT_EQ(rig.recent.lstRecentFullPath(), QStringList{playing});
    EXPECT_EQ(rig.playing.entries(), (QStringList{binary, playing}));
    EXPECT_EQ(rig.opener.intPlayingIndex(), 1);
}

TEST_F(FileOpenerTest, AnExistingFileOfAnotherKindIsAnUnknownFormat) {
    rig.transport.rig.write("说明.txt", "text");
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("说明.txt"), true, true), 0);
    EXPECT_EQ(rig.texts(), QStringList{kUnknown});
    EXPECT_TRUE(rig.playing.isEmpty());
}

// A file of another format plays as the score its import made, which takes its place in the
// lists; a refused or cancelled import leaves everything as it was.
TEST_F(FileOpenerTest, AFileOfAnotherFormatPlaysAsTheScoreMadeOfIt) {
    const QString made = rig.score("made.piano", 6);
    QStringList asked;
    QString answer = made;
    rig.opener.addImport({[](const QString& path) { return path.endsWith(QStringLiteral(".xml")); },
                          [&](const QString& path) {
                              asked << path;
                              return answer;
                          }});
    const QString xml = rig.transport.rig.write("曲.xml", "<score-partwise/>");
    EXPECT_EQ(rig.opener.playAllFiles(xml, true, true), 6);
    EXPECT_EQ(asked, QStringList{xml});
    EXPECT_EQ(rig.engine().score().strPlayingFile, made);
    EXPECT_EQ(rig.playing.entries(), QStringList{made});
    answer.clear();
    EXPECT_EQ(rig.opener.playAllFiles(xml, true, true), 6);
    EXPECT_EQ(rig.playing.entries(), QStringList{made});
    EXPECT_TRUE(rig.texts().isEmpty());
}

TEST_F(FileOpenerTest, AScoreAlreadyInTheListIsSelectedNotAddedAgain) {
    const QString a = rig.score("a.piano"), b = rig.score("b.piano");
    rig.opener.playAllFiles(a, true, true);
    rig.opener.playAllFiles(b, true, true);
    rig.opener.playAllFiles(a, true, true);
    EXPECT_EQ(rig.playing.entries(), (QStringList{a, b}));
    EXPECT_EQ(rig.playing.selectedRows(), QList<int>{0});
    EXPECT_EQ(rig.opener.intPlayingIndex(), 0);
    EXPECT_EQ(rig.recent.lstRecentFullPath(), (QStringList{a, b}));
}

TEST_F(FileOpenerTest, TheCaptionFollowsTheTitleOption) {
    const QString path = rig.score("night.song.piano");
    for (int option : {0, 1, 2, 3, 4}) {
        rig.options.intTitleOption = option;
        rig.opener.playAllFiles(path, true, true);
    }
    EXPECT_EQ(rig.captions, (QStringList{"T -> [" + path + "]", "T -> [night.song]", "night.song", path}));
}

TEST_F(FileOpenerTest, APlaylistLoadsIntoANonEmptyListAndOpensTheTopOfTheWholeList) {
    const QString first = rig.score("先.piano", 5), second = rig.score("后.piano", 7);
    rig.playing.AddListEntry(first, {}, ListPair::DuplicateTest::OnEntries);
    PlaylistFile::save(rig.file("单.plist"), {second, first, rig.file("另一个.plist")});
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("单.plist"), true, true), 5);
    EXPECT_EQ(rig.engine().lngTotalRow(), 5);
    EXPECT_EQ(rig.playing.entries(), (QStringList{first, second}));
    EXPECT_EQ(rig.recent.lstRecentFullPath(), QStringList{first});
}

TEST_F(FileOpenerTest, OptionTwoEmptiesTheListBeforeAPlaylist) {
    rig.options.intPlayListOption = 2;
    const QString old = rig.score("旧.piano"), fresh = rig.score("新.piano", 3);
    rig.opener.playAllFiles(old, true, true);
    PlaylistFile::save(rig.file("单.plist"), {fresh});
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("单.plist"), true, true), 3);
    EXPECT_EQ(rig.playing.entries(), QStringList{fresh});
}

TEST_F(FileOpenerTest, APlaylistWithNothingToOpenReportsTheMissingFileAndLoadsNothing) {
    const QString playing = rig.score("在播.piano", 6);
    rig.opener.playAllFiles(playing, true, true);
    rig.playing.clear();
    // Empty after loading, then a first entry whose file has gone.
    PlaylistFile::save(rig.file("空.plist"), {});
    PlaylistFile::save(rig.file("缺.plist"), {rig.file("不在.piano")});
    EXPECT_EQ(rig.opener.LoadPlaylistFile(rig.file("空.plist")), 6);
    EXPECT_EQ(rig.opener.LoadPlaylistFile(rig.file("缺.plist")), 6);
    EXPECT_EQ(rig.texts(), (QStringList{kMissing, kMissing}));
    EXPECT_EQ(rig.engine().score().strPlayingFile, playing);
    EXPECT_EQ(rig.playing.entries(), QStringList{rig.file("不在.piano")});
}

TEST_F(FileOpenerTest, APlaylistClaimingTwoBillionEntriesOpensAtOnce) {
    const QString score = rig.score("曲.piano", 4);
    rig.transport.rig.write("大.plist", GbkCodec::encode("[播放列表]\r\n个数=2000000000\r\n0=" + score + "\r\n"));
    EXPECT_EQ(rig.opener.playAllFiles(rig.file("大.plist"), true, true), 4);
    EXPECT_EQ(rig.playing.count(), 1);
}

// The end of a score and the list buttons move through the playing list by its mode.
struct ListMoves : FileOpenerTest {
    void SetUp() override {
        for (const char* name : {"一.piano", "二.piano", "三.piano"}) paths << rig.score(name, 3);
        for (const QString& p : paths) rig.playing.AddListEntry(p, {}, ListPair::DuplicateTest::OnEntries);
    }
    // Plays until another score is loaded or playback ends.
    QString playToEnd() {
        const quint64 before = quint64(rig.transport.entries.size());
        for (int i = 0; i < 500 && rig.engine().isTimerRunning() && quint64(rig.transport.entries.size()) == before; ++i)
            rig.transport.rig.time.advanceByMs(20);
        return rig.engine().score().strPlayingFile;
    }
    QStringList paths;
};

TEST_F(ListMoves, SequentialModeGoesOnAndStopsAfterTheLastEntry) {
    rig.engine().setListMode(EndOfScore::ListMode::Sequential);
    rig.opener.playAllFiles(paths[1], true, true);
    EXPECT_EQ(playToEnd(), paths[2]);
    EXPECT_EQ(rig.opener.intPlayingIndex(), 2);
    EXPECT_EQ(playToEnd(), paths[2]);
    EXPECT_FALSE(rig.engine().isTimerRunning());
    EXPECT_EQ(rig.transport.transport.PlayState(), Transport::Stopped);
}

TEST_F(ListMoves, LoopModeWrapsFromTheLastEntryToTheFirst) {
    rig.engine().setListMode(EndOfScore::ListMode::Loop);
    rig.opener.playAllFiles(paths[2], true, true);
    EXPECT_EQ(playToEnd(), paths[0]);
    EXPECT_EQ(rig.playing.selectedRows(), QList<int>{0});
}

TEST_F(ListMoves, TheListButtonsWalkTheList) {
    rig.opener.playAllFiles(paths[0], true, true);
    rig.transport.transport.clickButton(Transport::PreviousButton);
    EXPECT_EQ(rig.opener.intPlayingIndex(), 2);
    rig.transport.transport.clickButton(Transport::NextButton);
    EXPECT_EQ(rig.opener.intPlayingIndex(), 0);
    rig.transport.transport.clickButton(Transport::LastButton);
    EXPECT_EQ(rig.engine().score().strPlayingFile, paths[2]);
    rig.transport.transport.clickButton(Transport::FirstButton);
    EXPECT_EQ(rig.engine().score().strPlayingFile, paths[0]);
    EXPECT_TRUE(rig.texts().isEmpty());
}

TEST_F(ListMoves, NextWithNothingSelectedClosesTheScore) {
    rig.opener.playAllFiles(paths[0], true, true);
    rig.playing.clearSelection();
    rig.transport.transport.clickButton(Transport::NextButton);
    EXPECT_EQ(rig.transport.closes, 1);
    EXPECT_FALSE(rig.engine().hasScore());
}

} // namespace
