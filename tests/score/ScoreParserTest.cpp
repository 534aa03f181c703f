#include "score/ScoreParser.h"
#include "LoadedNoteTable.h"

#include <gtest/gtest.h>

namespace {

Score parse(const QString& text, ScoreWideValues& wide) {
    Score score;
    ScoreParser::parse(text, loadedNoteTable(), wide, score);
    return score;
}
Score parse(const QString& text) {
    ScoreWideValues wide;
    return parse(text, wide);
}

struct RowCase {
    const char* row;
    const char* noteText;
    float code;
    int key;
};
void PrintTo(const RowCase& c, std::ostream* os) {
    *os << '"' << c.row << '"';
}
class ScoreRowKinds : public testing::TestWithParam<RowCase> {};

TEST_P(ScoreRowKinds, EachRowGetsItsTextCodeAndKey) {
    const RowCase& c = GetParam();
    // A leading row keeps the row under test away from row 0.
    const Score score = parse(QStringLiteral("%0\r\n") + QString::fromUtf8(c.row));
    ASSERT_EQ(score.rows.size(), 2);
    const ScoreRow& row = score.rows[1];
    EXPECT_EQ(row.NoteText, QString::fromUtf8(c.noteText)) << c.row;
    EXPECT_EQ(row.DurationCode, c.code) << c.row;
    EXPECT_EQ(row.KeyIndex, c.key) << c.row;
}

INSTANTIATE_TEST_SUITE_P(
    Format, ScoreRowKinds,
    testing::Values(RowCase{"", "", 0, 9999}, RowCase{"' a comment+4", "", 0, 9999},
                    RowCase{"6+4", "6", 4, 48}, RowCase{"1.+4", "1.", 4, 51},
                    RowCase{".7+4", ".7", 4, 38}, RowCase{"5", "5", -1, 46},
                    RowCase{"0", "0", -1, -1}, RowCase{"0+4", "0", 4, -1},
                    RowCase{"3.+i", "3.", 0, 55}, RowCase{"1+2.667", "1", 2.667f, 39},
                    RowCase{"1  +8", "1", 8, 39}, RowCase{" 1+8", " 1", 8, 9999},
                    RowCase{"b2 / #1+8", "b2 / #1", 8, 40}, RowCase{"b2+8", "b2", 8, 9999},
                    RowCase{"#1+4", "#1", 4, 9999}, RowCase{"%2+8", "%2", 8, 9999},
                    RowCase{"$100", "$100", -1, 9999}, RowCase{"?3/4+16", "?3/4", 16, 9999},
                    RowCase{"!B", "!B", -1, 9999}, RowCase{"x+4", "x", 4, 9999},
                    RowCase{"   +4", "", 4, 9999}, RowCase{"+8", "", 8, 9999},
                    RowCase{"1+-8", "1", -8, 39}, RowCase{"1+1e999", "1", 3.40282347e38f, 39},
                    RowCase{"1.... +16", "1....", 16, 87}, RowCase{"....6+1", "....6", 1, 0}));

TEST(ScoreParser, CountsRowsAsTheFileCutsThem) {
    EXPECT_EQ(parse("1+4\r\n2+4").rows.size(), 2);
    EXPECT_EQ(parse("1+4\r\n2+4\r\n").rows.size(), 3);
    EXPECT_EQ(parse("").rows.size(), 1);
    // Bare LF line ends: one row, decided by its first character.
    const Score lf = parse("#title\n1+4\n2+4\n");
    ASSERT_EQ(lf.rows.size(), 1);
    ASSERT_EQ(lf.CaptionChanges.size(), 1);
    EXPECT_EQ(lf.CaptionChanges.at(0).value, QString("title\n1"));
}

TEST(ScoreParser, HeaderRowsFillTheChangeListsInFileOrder) {
    const Score score =
        parse("%2\r\n!B\r\n#line one+4\r\n1+4\r\n%7.5\r\n!  d# \r\n#\r\n2+4\r\n!Bb");
    ASSERT_EQ(score.InstrumentChanges.size(), 2);
    EXPECT_EQ(score.InstrumentChanges.at(0).value, 2);
    EXPECT_EQ(score.InstrumentChanges.at(0).row, 0);
    EXPECT_EQ(score.InstrumentChanges.at(1).value, 8); // 7.5 rounds to the even 8
    EXPECT_EQ(score.InstrumentChanges.at(1).row, 4);
    ASSERT_EQ(score.KeyChanges.size(), 3);
    EXPECT_EQ(score.KeyChanges.at(0).value, 35);
    EXPECT_EQ(score.KeyChanges.at(1).value, 39);
    EXPECT_EQ(score.KeyChanges.at(2).value, 36); // flats are not spelled: C
    ASSERT_EQ(score.CaptionChanges.size(), 2);
    EXPECT_EQ(score.CaptionChanges.at(0).value, QString("line one"));
    EXPECT_EQ(score.CaptionChanges.at(0).row, 2);
    EXPECT_EQ(score.CaptionChanges.at(1).value, QString());
}

TEST(ScoreParser, TheLastTempoAndMetreRowsGovernTheScore) {
    ScoreWideValues wide;
    parse("$100\r\n?3/4\r\n1+4\r\n$60\r\n?6/8", wide);
    EXPECT_EQ(wide.TempoBpm, 60);
    EXPECT_EQ(wide.BeatUnit, 8);
    parse("?4\r\n$2.5", wide);
    EXPECT_EQ(wide.BeatUnit, 0); // no "/": the whole token "?4" reads 0
    EXPECT_EQ(wide.TempoBpm, 2);
    parse("?1/2/16", wide);
    EXPECT_EQ(wide.BeatUnit, 16);
}

TEST(ScoreParser, AScoreWithoutTempoOrMetreKeepsThoseOfTheScoreBefore) {
    ScoreWideValues wide;
    parse("$90\r\n?3/4", wide);
    parse("1+4\r\n2+8", wide);
    EXPECT_EQ(wide.TempoBpm, 90);
    EXPECT_EQ(wide.BeatUnit, 4);
}

TEST(ScoreParser, ValuesOutsideSixteenBitsSaturate) {
    ScoreWideValues wide;
    const Score score = parse("$99999\r\n?4/-70000\r\n%1e30", wide);
    EXPECT_EQ(wide.TempoBpm, 32767);
    EXPECT_EQ(wide.BeatUnit, -32768);
    EXPECT_EQ(score.InstrumentChanges.at(0).value, 32767);
}

TEST(ScoreParser, TheLargestCodeCountsEveryRowHeaderRowsIncluded) {
    EXPECT_EQ(parse("%2+32\r\n1+4\r\n2+16").MaxDurationCode, 32);
    EXPECT_EQ(parse("1+4\r\n'+64").MaxDurationCode, 4);
    EXPECT_EQ(parse("1\r\n2").MaxDurationCode, -1);
    EXPECT_EQ(parse("1\r\n").MaxDurationCode, 0); // the empty last row has code 0
    EXPECT_EQ(parse("1+-4\r\n2+-2").MaxDurationCode, -2);
}

TEST(ChangeList, FindsTheLastChangeBeforeARow) {
    ChangeList<qint16> list;
    EXPECT_FALSE(list.lastBefore(5).has_value());
    list.append(1, 2);
    list.append(2, 6);
    list.append(3, 6);
    list.append(4, 9);
    EXPECT_FALSE(list.lastBefore(2).has_value());
    EXPECT_EQ(list.lastBefore(3), 1);
    EXPECT_EQ(list.lastBefore(6), 1);
    EXPECT_EQ(list.lastBefore(7), 3); // two changes in one row: the later one
    EXPECT_EQ(list.lastBefore(100), 4);
}

} // namespace
