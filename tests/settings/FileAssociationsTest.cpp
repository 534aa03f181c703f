#include "settings/FileAssociations.h"

#include "settings/CRegedit.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

const QString kScore = FileAssociations::kScoreTypeName;
const QString kPlaylist = FileAssociations::kPlaylistTypeName;

struct FileAssociationsTest : testing::Test {
    FileAssociationsTest() {
        dir.write("INI/.keep", {});
        dir.write("ICON/.keep", {});
    }
    FileAssociations associations(const QString& editor = "/usr/bin/gedit") {
        return FileAssociations({dir.paths(), dir.file("tonvale"), editor}, desktop);
    }
    CRegedit store() const { return CRegedit(dir.file("INI/文件关联.Reg")); }
    // Another program's claim on an extension, as a second program would leave it.
    void claim(const QString& extension) const {
        CRegedit reg = store();
        reg.setString_(extension, {}, "Other.Type");
        reg.setString_(R"(Other.Type\Shell\open\Command)", {}, R"("/usr/bin/other" "%1")");
    }

    TempProgramFolder dir;
    RecordingDesktopIntegration desktop;
};

TEST_F(FileAssociationsTest, TheFirstStartRegistersBothTypesAndWritesTheirIcons) {
    associations().applyOptions({true, true});
    EXPECT_EQ(dir.read("ICON/piano.ico"), EmbeddedIconBytes(104));
    EXPECT_EQ(dir.read("ICON/playList.ico"), EmbeddedIconBytes(102));
    EXPECT_FALSE(EmbeddedIconBytes(104).isEmpty());
    const CRegedit reg = store();
    EXPECT_EQ(reg.getString_(".PIANO", {}), kScore);
    EXPECT_EQ(reg.getString_(".PLIST", {}), kPlaylist);
    EXPECT_EQ(reg.getString_(kScore + R"(\DefaultIcon)", {}), dir.file("ICON/piano.ico"));
    EXPECT_EQ(reg.getString_(kPlaylist + R"(\DefaultIcon)", {}), dir.file("ICON/playList.ico"));
    const QString open = '"' + dir.file("tonvale") + R"(" "%1")";
    EXPECT_EQ(reg.getString_(kScore + R"(\Shell\open\Command)", {}), open);
    EXPECT_EQ(reg.getString_(R"(Applications\tonvale\Shell\open\Command)", {}), open);
    EXPECT_EQ(reg.getString_(kPlaylist + R"(\Shell\编辑(&E)\Command)", {}),
              QString(R"("/usr/bin/gedit" "%1")"));

    ASSERT_EQ(desktop.applied.size(), 2) << "one notice per type";
    EXPECT_EQ(desktop.registeredMimeTypes(),
              QStringList({"application/x-tonvale-piano", "application/x-tonvale-plist"}));
    const DesktopFileType& score = desktop.applied.last()[0];
    EXPECT_EQ(score.pattern, QString("*.piano"));
    EXPECT_EQ(score.description, kScore);
    EXPECT_EQ(score.iconFile, dir.file("ICON/piano.ico"));
    EXPECT_EQ(score.openCommand, QStringList({dir.file("tonvale"), "%1"}));
}

TEST_F(FileAssociationsTest, ARegisteredTypeWithItsIconIsLeftAsItIs) {
    associations().applyOptions({true, true});
    const QByteArray before = dir.read("INI/文件关联.Reg");
    desktop.applied.clear();
    associations().applyOptions({true, true});
    EXPECT_EQ(dir.read("INI/文件关联.Reg"), before);
    EXPECT_TRUE(desktop.applied.isEmpty());
}

TEST_F(FileAssociationsTest, AnotherOwnerWithTheIconInPlaceStaysTheOwner) {
    claim(".PIANO");
    dir.write("ICON/piano.ico", "mine");
    const QByteArray before = dir.read("INI/文件关联.Reg");
    associations().ApplyAssociation(true, ".PIANO", kScore, {}, 0);
    EXPECT_EQ(dir.read("INI/文件关联.Reg"), before);
    EXPECT_EQ(dir.read("ICON/piano.ico"), QByteArray("mine"));
    EXPECT_TRUE(desktop.applied.isEmpty());
}

TEST_F(FileAssociationsTest, AMissingIconIsWrittenAgainAndTheTypeTakenOver) {
    associations().applyOptions({true, true});
    claim(".PIANO");
    QFile::remove(dir.file("ICON/piano.ico"));
    associations().applyOptions({true, true});
    EXPECT_EQ(dir.read("ICON/piano.ico"), EmbeddedIconBytes(104));
    EXPECT_EQ(store().getString_(".PIANO", {}), kScore);
    EXPECT_EQ(desktop.registeredMimeTypes().size(), 2);
}

TEST_F(FileAssociationsTest, TurningScoresOffRemovesThemAndLeavesPlaylists) {
    associations().applyOptions({true, true});
    desktop.applied.clear();
    associations().applyOptions({false, true});
    const CRegedit reg = store();
    EXPECT_FALSE(reg.keyExists(".PIANO"));
    EXPECT_FALSE(reg.keyExists(kScore));
    EXPECT_FALSE(reg.keyExists(R"(Applications\tonvale)"));
    EXPECT_EQ(reg.getString_(".PLIST", {}), kPlaylist);
    EXPECT_TRUE(reg.keyExists(kPlaylist + R"(\Shell\open\Command)"));
    ASSERT_EQ(desktop.applied.size(), 1) << "only the type turned off is notified";
    EXPECT_EQ(desktop.registeredMimeTypes(), QStringList({"application/x-tonvale-plist"}));
}

TEST_F(FileAssociationsTest, APlaylistOwnedByAnotherProgramKeepsItsOwnerWhenTurnedOff) {
    associations().applyOptions({true, true});
    claim(".PLIST");
    for (int start = 0; start < 2; ++start)
        associations().applyOptions({true, false});
    const CRegedit reg = store();
    EXPECT_EQ(reg.getString_(".PLIST", {}), QString("Other.Type"));
    EXPECT_FALSE(reg.keyExists(kPlaylist));
    EXPECT_EQ(reg.getString_(".PIANO", {}), kScore);
    EXPECT_EQ(desktop.registeredMimeTypes(), QStringList({"application/x-tonvale-piano"}));
}

TEST_F(FileAssociationsTest, TheApplicationsKeyIsSharedByBothTypes) {
    associations().applyOptions({true, true});
    associations().applyOptions({true, false});
    EXPECT_FALSE(store().keyExists(R"(Applications\tonvale)"));
    EXPECT_EQ(store().getString_(kScore + R"(\Shell\open\Command)", {}),
              '"' + dir.file("tonvale") + R"(" "%1")");
}

TEST_F(FileAssociationsTest, WithoutATextEditorThereIsNoEditVerb) {
    associations({}).applyOptions({true, true});
    EXPECT_FALSE(store().keyExists(kScore + R"(\Shell\编辑(&E))"));
    EXPECT_TRUE(store().keyExists(kScore + R"(\Shell\open\Command)"));
}

TEST_F(FileAssociationsTest, WithoutAnIconFolderTheTypeIsStillRegistered) {
    QDir(dir.file("ICON")).removeRecursively();
    associations().applyOptions({true, true});
    EXPECT_EQ(store().getString_(".PIANO", {}), kScore);
    EXPECT_FALSE(QFile::exists(dir.file("ICON/piano.ico")));
}

TEST_F(FileAssociationsTest, BothOffOnAFreshStoreChangesNothingOnDisk) {
    associations().applyOptions({false, false});
    EXPECT_FALSE(QFile::exists(dir.file("INI/文件关联.Reg")));
    ASSERT_EQ(desktop.applied.size(), 2);
    EXPECT_TRUE(desktop.registeredMimeTypes().isEmpty());
}

} // namespace
