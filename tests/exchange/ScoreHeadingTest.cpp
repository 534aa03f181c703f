#include "exchange/ScoreHeading.h"
#include "core/NoteTable.h"
#include "score/ScoreParser.h"

#include <gtest/gtest.h>

namespace {

struct HeadingCase {
    const char* name;
    const char* text;
    const char* title;
    const char* keyLine;
};
void PrintTo(const HeadingCase& c, std::ostream* os) {
    *os << c.name;
}
class Heading : public testing::TestWithParam<HeadingCase> {};

TEST_P(Heading, SaysTitleKeyMetreAndTempoAsNumberedNotationWritesThem) {
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    Score score;
    ScoreWideValues wide;
    ScoreParser::parse(QString::fromUtf8(GetParam().text), notes, wide, score);
    const ScoreHeading heading = ScoreHeading::of(score, QStringLiteral("/歌/小曲.v2.piano"));
    EXPECT_EQ(heading.title, QString::fromUtf8(GetParam().title));
    EXPECT_EQ(heading.keyLine, QString::fromUtf8(GetParam().keyLine));
}

INSTANTIATE_TEST_SUITE_P(
    Scores, Heading,
    testing::Values(
        HeadingCase{"usual", "%0\r\n!G\r\n?3/4\r\n$100\r\n#标题+16\r\n1+4", "标题",
                    "1=G 3/4 ♩=100"},
        HeadingCase{"sharp key, no caption", "!f# \r\n?4/4\r\n$120\r\n1+4", "小曲.v2",
                    "1=#F 4/4 ♩=120"},
        // A flat is no key name: the score plays in C. Blank captions name nothing.
        HeadingCase{"blank captions", "!Bb\r\n#\r\n#  \r\n#第二\r\n1+4", "第二", "1=C"},
        // The first key row, the last metre and tempo rows; a tempo counts the metre's unit.
        HeadingCase{"several rows", "!D\r\n!E\r\n?4/4\r\n? 2/2 \r\n$60\r\n$90", "小曲.v2",
                    "1=D 2/2 ♩=180"},
        HeadingCase{"eighths", "?6/8\r\n$120", "小曲.v2", "6/8 ♩=60"},
        HeadingCase{"uneven eighths", "?3/8\r\n$75", "小曲.v2", "3/8 ♩=37.5"},
        HeadingCase{"no tempo", "$0\r\n$-5\r\n1+4", "小曲.v2", ""},
        HeadingCase{"metre without slash", "?4\r\n$100", "小曲.v2", "4 ♩=100"}));

TEST(Heading, NumbersPagesFromOne) {
    EXPECT_EQ(ScoreHeading::pageNumber(1, 5), QStringLiteral("第 2 页 / 共 5 页"));
}

} // namespace
