#include "library/AddFavoriteDraft.h"
#include "support/QuotedText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

TEST(AddFavoriteDraft, ThePlayingScoreOffersItsFileNameWithTheRememberedRow) {
    const auto remembered = AddFavoriteDraft::forPlayingScore("/m/song.piano", 57, true);
    EXPECT_EQ(remembered.name(), QString("song.piano *57"));
    EXPECT_EQ(remembered.tag(), QString(" *57"));
    EXPECT_EQ(remembered.path(), QString("/m/song.piano"));
    EXPECT_TRUE(remembered.rememberVisible());
    // The row stored is the one at the moment OK is pressed.
    EXPECT_EQ(remembered.entryOnOk(true, 60), QString("/m/song.piano *60"));
    EXPECT_EQ(remembered.entryOnOk(false, 60), QString("/m/song.piano"));
    EXPECT_EQ(AddFavoriteDraft::forPlayingScore("/m/song.piano", 57, false).name(),
              QString("song.piano"));
}

struct ToggleCase {
    const char* name;
    bool checked;
    const char* after;
};

void PrintTo(const ToggleCase& c, std::ostream* os) {
    *os << quoted(c.name) << (c.checked ? " checked" : " unchecked");
}

class FavoriteToggles : public testing::TestWithParam<ToggleCase> {};

TEST_P(FavoriteToggles, AppendTheTagOnceAndCutOnlyTheTag) {
    const auto draft = AddFavoriteDraft::forPlayingScore("/m/song.piano", 57, true);
    EXPECT_EQ(draft.nameAfterToggle(QString::fromUtf8(GetParam().name), GetParam().checked),
              QString::fromUtf8(GetParam().after));
}

INSTANTIATE_TEST_SUITE_P(Clicks, FavoriteToggles,
                         testing::Values(ToggleCase{"song.piano *57", false, "song.piano"},
                                         ToggleCase{"song.piano", true, "song.piano *57"},
                                         ToggleCase{"song.piano *57", true, "song.piano *57"},
                                         ToggleCase{"song.piano", false, "song.piano"},
                                         ToggleCase{"my *fav", false, "my *fav"},
                                         ToggleCase{"my *fav", true, "my *fav"}));

TEST(AddFavoriteDraft, AnotherListItemIsStoredExactlyAsTheListHoldsIt) {
    const auto draft =
        AddFavoriteDraft::forListItem("/m/other.piano *9", "/m/song.piano", 57, true);
    EXPECT_FALSE(draft.rememberVisible());
    EXPECT_EQ(draft.name(), QString("other.piano *9"));
    EXPECT_TRUE(draft.tag().isEmpty());
    EXPECT_EQ(draft.entryOnOk(true, 60), QString("/m/other.piano *9"));
    EXPECT_EQ(draft.nameAfterToggle("other.piano *9", false), QString("other.piano *9"));

    const auto playing = AddFavoriteDraft::forListItem("/m/song.piano", "/m/song.piano", 57, true);
    EXPECT_TRUE(playing.rememberVisible());
    EXPECT_EQ(playing.name(), QString("song.piano *57"));
}

} // namespace
