#include "score/ScoreNotation.h"
#include "LoadedNoteTable.h"
#include "score/ScoreParser.h"
#include "score/ScoreViewLayout.h"

#include <gtest/gtest.h>

namespace {

struct MarksCase {
    float code;
    int underlines;
    int dashes;
    bool dotted;
};
void PrintTo(const MarksCase& c, std::ostream* os) {
    *os << "code " << c.code;
}
class NotationMarks : public testing::TestWithParam<MarksCase> {};

TEST_P(NotationMarks, EachCodeGetsTheLinesDashesAndDotOfPrintedNotation) {
    const MarksCase& c = GetParam();
    const NotationItem marks = ScoreNotation::marksOf(c.code);
    EXPECT_EQ(marks.underlines, c.underlines);
    EXPECT_EQ(marks.dashes, c.dashes);
    EXPECT_EQ(marks.dotted, c.dotted);
}

INSTANTIATE_TEST_SUITE_P(Codes, NotationMarks,
                         testing::Values(MarksCase{1, 0, 3, false}, MarksCase{2, 0, 1, false},
                                         MarksCase{2.667f, 0, 0, true}, MarksCase{4, 0, 0, false},
                                         MarksCase{8, 1, 0, false}, MarksCase{16, 2, 0, false},
                                         MarksCase{32, 3, 0, false}, MarksCase{64, 4, 0, false},
                                         MarksCase{5.333f, 1, 0, true},
                                         MarksCase{1.333f, 0, 2, false}, MarksCase{0, 0, 0, false},
                                         MarksCase{-1, 0, 0, false},
                                         MarksCase{1e-30f, 0, 15, false},
                                         MarksCase{1e30f, 6, 0, false}));

ScoreNotation notationOf(const QString& text) {
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, loadedNoteTable(), wide, score);
    return ScoreNotation(score, {{2, 3, QStringLiteral("reason")}});
}

TEST(ScoreNotation, NotesRestsOctavesSharpsBarsAndLyrics) {
    const ScoreNotation n = notationOf(QStringLiteral(
        "%0\r\n?3/4\r\nx+4\r\n#歌词\r\n1.+4\r\n.5+8\r\n0+8\r\nb3. / #2.+4\r\n$90\r\n6+2\r\n0+4"));
    const QList<NotationItem>& items = n.items();
    ASSERT_EQ(items.size(), 7);
    EXPECT_EQ(items[0].kind, NotationItem::Silent); // the flagged row "x+4"
    EXPECT_TRUE(items[0].flagged);
    EXPECT_EQ(n.reasons(2), QStringLiteral("reason"));
    EXPECT_EQ(items[1].degree, u'1');
    EXPECT_EQ(items[1].octave, 1);
    EXPECT_EQ(items[1].caption, 0);
    EXPECT_EQ(n.captions().value(0), QStringLiteral("歌词"));
    EXPECT_EQ(items[2].octave, -1);
    EXPECT_EQ(items[2].underlines, 1);
    EXPECT_EQ(items[3].kind, NotationItem::Rest);
    EXPECT_EQ(items[3].degree, u'0');
    EXPECT_TRUE(items[4].sharp);
    EXPECT_EQ(items[4].degree, u'2');
    EXPECT_EQ(items[4].octave, 1);
    // 3/4: a quarter, two eighths and a quarter fill the first bar; a half and a quarter the next.
    for (int i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i].barAfter, i == 4 || i == 6) << i;
    EXPECT_EQ(n.itemAtOrBefore(9), 5);
    EXPECT_EQ(n.itemAtOrBefore(8), 4);
    EXPECT_EQ(n.itemAtOrBefore(1), -1);
}

TEST(ScoreViewLayout, WrapsIntoLinesAndFindsTheItemUnderAPoint) {
    QList<NotationItem> items(10);
    items[3].dashes = 1;
    ScoreViewLayout layout;
    const ScoreViewLayout::Metrics m{20, 10, 50, 5};
    // Room for 5 cells a line: 0 1 2 3(two cells) | 4 5 6 7 8 | 9
    layout.build(items, 5 * 20 + 2 * 5, m);
    ASSERT_EQ(layout.lineCount(), 3);
    EXPECT_EQ(layout.lineStart(1), 4);
    EXPECT_EQ(layout.lineEnd(1), 9);
    EXPECT_EQ(layout.lineOf(6), 1);
    EXPECT_EQ(layout.cellRect(5), QRect(25, 55, 20, 50));
    EXPECT_EQ(layout.itemAt({95, 15}), 3); // on the dash of item 3
    EXPECT_EQ(layout.itemAt({30, 60}), 5);
    EXPECT_EQ(layout.itemAt({2, 60}), -1);
    EXPECT_EQ(layout.itemAt({50, 110}), -1);
    EXPECT_EQ(layout.itemAt({50, 170}), -1);
    EXPECT_EQ(layout.contentHeight(), 3 * 50 + 10);
    // A view narrower than one item still puts one item on each line.
    layout.build(items, 1, m);
    EXPECT_EQ(layout.lineCount(), 10);
}

TEST(ScoreViewLayout, BreaksAtBarLinesAndDividesTheLinesIntoPages) {
    // Cells of 20, bar lines of 5, lines of 110: | 0 1 | 2 3 | and the start of a bar of seven
    // cells, which moves down whole and then breaks where its line is full; | 11 12 | follows.
    QList<NotationItem> items(13);
    for (int i : {1, 3, 10, 12})
        items[i].barAfter = true;
    ScoreViewLayout layout;
    layout.build(items, 110 + 2 * 5, {20, 5, 50, 5});
    QList<qsizetype> starts;
    for (int line = 0; line < layout.lineCount(); ++line)
        starts << layout.lineStart(line);
    EXPECT_EQ(starts, (QList<qsizetype>{0, 4, 9}));
    EXPECT_EQ(layout.cellRect(4).left(), 5);
    EXPECT_EQ(layout.cellRect(11).left(), 50);
    EXPECT_EQ(layout.itemAt({6, 56}), 4);

    // Two lines on the first page, one on each after it.
    layout.paginate(2 * 50 + 49, 50);
    EXPECT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(layout.pageEndLine(0), 2);
    EXPECT_EQ(layout.pageStartLine(1), 2);
    EXPECT_EQ(layout.pageEndLine(1), 3);
    EXPECT_EQ(layout.pageOf(2), 1);
    // A page too short for a line still takes one; a score without lines is one page.
    layout.paginate(10, 10);
    EXPECT_EQ(layout.pageCount(), 3);
    layout.build({}, 200, {20, 5, 50, 5});
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_EQ(layout.pageEndLine(0), 0);
}

} // namespace
