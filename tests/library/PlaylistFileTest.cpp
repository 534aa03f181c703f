#include "library/PlaylistFile.h"
#include "core/CIni.h"
#include "library/FavoritesStore.h"
#include "library/IniListCount.h"
#include "library/ListPair.h"
#include "platform/GbkCodec.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"


#include "QStringPrinter.h"
#include <limits>

#include <gtest/gtest.h>

namespace {

using Dup = ListPair::DuplicateTest;

class PlaylistFileTest : public testing::Test {
protected:
    QString path() const { return dir.file("列表.plist"); }
    void writeGbk(const QString& text) const { dir.write("列表.plist", GbkCodec::encode(text)); }

    TempProgramFolder dir;
};

TEST_F(PlaylistFileTest, SavesCountAndEntriesAsGbkAndReadsThemBack) {
    const QStringList entries{"/音乐/虞美人.piano", "/音乐/秋.piano *57"};
    ASSERT_TRUE(PlaylistFile::save(path(), entries));
    EXPECT_EQ(GbkCodec::decode(dir.read("列表.plist")),
              QString("[播放列表]\r\n个数=2\r\n0=/音乐/虞美人.piano\r\n1=/音乐/秋.piano *57\r\n"));
    EXPECT_EQ(PlaylistFile::load(path()), entries);
}

TEST_F(PlaylistFileTest, SavedOverALongerListReadsExactlyTheNewEntries) {
    QStringList twenty, five;
    for (int k = 0; k < 20; ++k)
        twenty << QString("/m/old%1.piano").arg(k);
    for (int k = 0; k < 5; ++k)
        five << QString("/m/new%1.piano").arg(k);
    ASSERT_TRUE(PlaylistFile::save(path(), twenty));
    ASSERT_TRUE(PlaylistFile::save(path(), five));
    EXPECT_EQ(PlaylistFile::load(path()), five);
    // The stale keys stay; only the count bounds the reading.
    EXPECT_EQ(CIni().ReadIniString_("播放列表", "19", path()), QString("/m/old19.piano"));
}

TEST_F(PlaylistFileTest, AnEmptyListIsSavedWithCountZero) {
    ASSERT_TRUE(PlaylistFile::save(path(), {}));
    EXPECT_EQ(CIni().ReadIniString_("播放列表", "个数", path()), QString("0"));
    EXPECT_TRUE(PlaylistFile::load(path()).isEmpty());
}

TEST_F(PlaylistFileTest, AFailedSaveIsReported) {
    EXPECT_FALSE(PlaylistFile::save(dir.file("no/such/folder/x.plist"), {"/m/a.piano"}));
}

struct CountCase {
    const char* count;
    int entries;
};

void PrintTo(const CountCase& c, std::ostream* os) {
    *os << quoted(c.count);
}

class PlaylistCounts : public PlaylistFileTest, public testing::WithParamInterface<CountCase> {};

TEST_P(PlaylistCounts, AreReadOnlyAsFarAsKeysCanExist) {
    writeGbk(QString("[播放列表]\r\n个数=%1\r\n0=/m/a.piano\r\n1=/m/b.piano\r\n3=/m/d.piano\r\n")
                 .arg(GetParam().count));
    // A count of billions must not walk billions of keys: the test's time limit catches a hang.
    EXPECT_EQ(PlaylistFile::load(path()).size(), GetParam().entries);
}

INSTANTIATE_TEST_SUITE_P(Counts, PlaylistCounts,
                         testing::Values(CountCase{"2000000000", 3}, CountCase{"2147483647", 3},
                                         CountCase{"99999999999999", 3}, CountCase{"1e300", 3},
                                         CountCase{"4", 3}, CountCase{"2", 2}, CountCase{"0", 0},
                                         CountCase{"-1", 0}, CountCase{"-2147483648", 0},
                                         CountCase{"abc", 0}, CountCase{"", 0},
                                         CountCase{" 3 entries", 2}));

TEST_F(PlaylistFileTest, AMissingFileOrSectionReadsAsNoEntries) {
    EXPECT_TRUE(PlaylistFile::load(dir.file("missing.plist")).isEmpty());
    writeGbk("[别的]\r\n个数=3\r\n0=/m/a.piano\r\n");
    EXPECT_TRUE(PlaylistFile::load(path()).isEmpty());
}

TEST(IniListCount, CapacityBoundsTheEntriesOfAFile) {
    EXPECT_EQ(IniListCount::capacity(0), 0);
    EXPECT_EQ(IniListCount::capacity(2), 0);
    EXPECT_EQ(IniListCount::capacity(3), 1); // "0=a" without a line end
    EXPECT_EQ(IniListCount::capacity(8), 2); // "0=a\n1=b"
    EXPECT_EQ(IniListCount::capacity(43), 10);
    EXPECT_EQ(IniListCount::capacity(44), 11); // ten keys of one digit, then "10=a"
    EXPECT_EQ(IniListCount::capacity(48), 11);
    EXPECT_EQ(IniListCount::capacity(49), 12); // and "11=a"
    EXPECT_EQ(IniListCount::capacity(-5), 0);
    EXPECT_LT(IniListCount::capacity(std::numeric_limits<qint64>::max() - 1),
              std::numeric_limits<qint64>::max());
}

TEST_F(PlaylistFileTest, LoadingIntoANonEmptyListAppendsAndSkipsDuplicatesAndNonScores) {
    writeGbk("[播放列表]\r\n个数=4\r\n0=/m/new.piano\r\n1=/m/old.piano\r\n2=/m/x.plist\r\n"
             "3=/m/new.piano *9\r\n");
    ListPair list;
    list.AddListEntry("/m/old.piano", QString(), Dup::OnEntries);
    EXPECT_EQ(PlaylistFile::appendTo(path(), list), 2);
    EXPECT_EQ(list.entries(), QStringList({"/m/old.piano", "/m/new.piano", "/m/new.piano *9"}));
    EXPECT_EQ(list.displayTexts(), QStringList({"1.  old", "2.  new", "3.  new *9"}));
}

TEST(PlaylistFile, ThePlayingListLivesInTheDataFolder) {
    TempProgramFolder dir;
    EXPECT_TRUE(PlaylistFile::playingListPath(dir.paths()).endsWith("/INI/播放列表.Qor"));
    EXPECT_TRUE(FavoritesStore::path(dir.paths()).endsWith("/INI/收藏夹.Long"));
}

class FavoritesStoreTest : public testing::Test {
protected:
    QString path() const { return dir.file("收藏夹.Long"); }
    TempProgramFolder dir;
};

TEST_F(FavoritesStoreTest, SavesCountNamesAndEntriesAndLoadsThemBack) {
    ListPair favorites;
    favorites.AddListEntry("/m/a.piano *57", "a.piano *57", Dup::OnDisplayNames);
    favorites.AddListEntry("/m/虞美人.piano", "虞美人", Dup::OnDisplayNames);
    ASSERT_TRUE(FavoritesStore::save(path(), favorites));
    EXPECT_EQ(GbkCodec::decode(dir.read("收藏夹.Long")),
              QString("[完整路径]\r\n个数=2\r\n0=/m/a.piano *57\r\n1=/m/虞美人.piano\r\n"
                      "[名称]\r\n0=a.piano *57\r\n1=虞美人\r\n"));
    ListPair loaded;
    EXPECT_EQ(FavoritesStore::appendTo(path(), loaded), 2);
    EXPECT_EQ(loaded.entries(), favorites.entries());
    EXPECT_EQ(loaded.displayTexts(), favorites.displayTexts());
}

TEST_F(FavoritesStoreTest, RepeatedNamesAreSkippedAndMissingNamesGetGeneratedTexts) {
    dir.write("收藏夹.Long",
              GbkCodec::encode("[完整路径]\r\n个数=2000000000\r\n0=/m/a.piano\r\n1=/m/b.piano\r\n"
                               "2=/m/c.piano\r\n[名称]\r\n0=同名\r\n1=同名\r\n"));
    ListPair favorites;
    EXPECT_EQ(FavoritesStore::appendTo(path(), favorites), 2);
    EXPECT_EQ(favorites.entries(), QStringList({"/m/a.piano", "/m/c.piano"}));
    EXPECT_EQ(favorites.displayTexts(), QStringList({"同名", "2.  c"}));
}

TEST_F(FavoritesStoreTest, SavingAGrownListOverAnOldFileKeepsEachSectionTogether) {
    ListPair favorites;
    favorites.AddListEntry("/m/a.piano", "a", Dup::OnDisplayNames);
    ASSERT_TRUE(FavoritesStore::save(path(), favorites));
    favorites.AddListEntry("/m/b.piano", "b", Dup::OnDisplayNames);
    ASSERT_TRUE(FavoritesStore::save(path(), favorites));
    EXPECT_EQ(GbkCodec::decode(dir.read("收藏夹.Long")),
              QString("[完整路径]\r\n个数=2\r\n0=/m/a.piano\r\n1=/m/b.piano\r\n"
                      "[名称]\r\n0=a\r\n1=b\r\n"));
}

TEST_F(FavoritesStoreTest, RemovingAMissingFileIsNoError) {
    FavoritesStore::remove(path());
    dir.write("收藏夹.Long", "x");
    FavoritesStore::remove(path());
    EXPECT_TRUE(FavoritesStore::load(path()).isEmpty());
}

} // namespace
