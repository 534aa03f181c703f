#include "library/ListEntry.h"
#include "core/NumberText.h"
#include "core/FileTypes.h"
#include "library/MOthers.h"
#include "support/QuotedText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* entry;
    const char* path;
    bool hasRow;
    qint32 row;
    const char* suffix;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << quoted(c.entry);
}

class ListEntrySplit : public testing::TestWithParam<SplitCase> {};

TEST_P(ListEntrySplit, CutsThePositionSuffixOffTheEnd) {
    const SplitCase& c = GetParam();
    const ListEntry parts = ListEntry::split(QString::fromUtf8(c.entry));
    EXPECT_EQ(parts.path, QString::fromUtf8(c.path));
    EXPECT_EQ(parts.hasRow, c.hasRow);
    EXPECT_EQ(parts.row, c.row);
    EXPECT_EQ(parts.suffix, QString::fromUtf8(c.suffix));
}

INSTANTIATE_TEST_SUITE_P(
    Entries, ListEntrySplit,
    testing::Values(SplitCase{"/music/song.piano *57", "/music/song.piano", true, 57, "*57"},
                    SplitCase{"C:\\a.piano *57", "C:\\a.piano", true, 57, "*57"},
                    SplitCase{"/music/song.piano", "/music/song.piano", false, 0, ""},
                    SplitCase{"/m/s.piano *0", "/m/s.piano", true, 0, "*0"},
                    // A play position before the first row does not exist.
                    SplitCase{"/m/s.piano *-4", "/m/s.piano", true, 0, "*-4"},
                    SplitCase{"/m/s.piano *99999999999", "/m/s.piano", true, 2147483647,
                              "*99999999999"},
                    // On this platform "*" may be part of a file name.
                    SplitCase{"/m/a*b.piano", "/m/a*b.piano", false, 0, ""},
                    SplitCase{"/m/a*b.piano *3", "/m/a*b.piano", true, 3, "*3"},
                    SplitCase{"/m/s.piano *", "/m/s.piano *", false, 0, ""},
                    SplitCase{"/m/s.piano*5", "/m/s.piano*5", false, 0, ""},
                    SplitCase{"/m/s.piano *5x", "/m/s.piano *5x", false, 0, ""},
                    SplitCase{"*5", "*5", false, 0, ""}, SplitCase{" *5", "", true, 5, "*5"},
                    SplitCase{"", "", false, 0, ""}));

struct NameCase {
    const char* path;
    const char* baseName;
    const char* fileName;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << quoted(c.path);
}

class ListEntryNames : public testing::TestWithParam<NameCase> {};

TEST_P(ListEntryNames, BaseNameLiesBetweenTheLastSeparatorAndTheLastDot) {
    const ListEntry parts = ListEntry::split(QString::fromUtf8(GetParam().path));
    EXPECT_EQ(parts.baseName(), QString::fromUtf8(GetParam().baseName));
    EXPECT_EQ(parts.fileName(), QString::fromUtf8(GetParam().fileName));
}

INSTANTIATE_TEST_SUITE_P(Paths, ListEntryNames,
                         testing::Values(NameCase{"/music/night.song.piano", "night.song",
                                                  "night.song.piano"},
                                         NameCase{"/m/Autumn.piano *57", "Autumn", "Autumn.piano"},
                                         NameCase{"/m/noext", "noext", "noext"},
                                         NameCase{"/m/noext *5", "noext", "noext"},
                                         NameCase{"/dir.d/noext", "noext", "noext"},
                                         NameCase{"/m/.hidden", "", ".hidden"},
                                         NameCase{"relative.piano", "relative", "relative.piano"},
                                         NameCase{"/m/虞美人.piano", "虞美人", "虞美人.piano"}));

struct TypeCase {
    const char* text;
    bool score;
    bool playlist;
};

void PrintTo(const TypeCase& c, std::ostream* os) {
    *os << quoted(c.text);
}

class FileTypes : public testing::TestWithParam<TypeCase> {};

TEST_P(FileTypes, LookOnlyAtTheEndIgnoringCase) {
    EXPECT_EQ(IsScoreFile(QString::fromUtf8(GetParam().text)), GetParam().score);
    EXPECT_EQ(IsPlaylistFile(QString::fromUtf8(GetParam().text)), GetParam().playlist);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, FileTypes,
    testing::Values(TypeCase{"/a/x.piano", true, false}, TypeCase{"/a/x.Piano", true, false},
                    TypeCase{"/a/x.PIANO", true, false}, TypeCase{"/a/x.PLIST", false, true},
                    TypeCase{"/a/x.plist", false, true}, TypeCase{"/a/x.piano *57", false, false},
                    TypeCase{"\"/a/x.piano\"", false, false}, TypeCase{".piano", true, false},
                    TypeCase{"piano", false, false}, TypeCase{"", false, false},
                    TypeCase{"/a/x.txt", false, false}));

struct CaptionCase {
    int option;
    const char* expected; // nullptr: the caption stays
};

void PrintTo(const CaptionCase& c, std::ostream* os) {
    *os << "option " << c.option;
}

class WindowCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(WindowCaption, FollowsTheTitleOption) {
    const auto caption =
        TitleCaption(GetParam().option, QStringLiteral("Tonvale"), "/music/night.song.piano");
    if (!GetParam().expected) {
        EXPECT_FALSE(caption.has_value());
        return;
    }
    ASSERT_TRUE(caption.has_value());
    EXPECT_EQ(*caption, QString::fromUtf8(GetParam().expected));
}

INSTANTIATE_TEST_SUITE_P(Options, WindowCaption,
                         testing::Values(CaptionCase{0, "Tonvale -> [/music/night.song.piano]"},
                                         CaptionCase{1, "Tonvale -> [night.song]"},
                                         CaptionCase{2, "night.song"},
                                         CaptionCase{3, "/music/night.song.piano"},
                                         CaptionCase{4, nullptr}, CaptionCase{-1, nullptr}));

struct NumberCase {
    const char* text;
    qint32 value;
};

void PrintTo(const NumberCase& c, std::ostream* os) {
    *os << quoted(c.text);
}

class LeadingNumbers : public testing::TestWithParam<NumberCase> {};

TEST_P(LeadingNumbers, TakeTheNumberAtTheStartRoundedHalfToEven) {
    EXPECT_EQ(NumberText::leadingInt32(QString::fromUtf8(GetParam().text)), GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, LeadingNumbers,
    testing::Values(NumberCase{"12", 12}, NumberCase{"  12abc", 12}, NumberCase{"abc", 0},
                    NumberCase{"", 0}, NumberCase{"-3", -3}, NumberCase{"+7", 7},
                    NumberCase{"2.5", 2}, NumberCase{"3.5", 4}, NumberCase{"1e3", 1000},
                    NumberCase{"1e", 1}, NumberCase{"2000000000", 2000000000},
                    NumberCase{"99999999999", 2147483647},
                    NumberCase{"-99999999999", -2147483647 - 1}, NumberCase{"1e999", 2147483647},
                    NumberCase{".5", 0}, NumberCase{"-", 0}, NumberCase{"\t4", 4}));

} // namespace
