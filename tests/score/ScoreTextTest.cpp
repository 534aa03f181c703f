#include "score/ScoreText.h"
#include "platform/GbkCodec.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList rowsOf(const QString& text) {
    QStringList rows;
    ScoreText::forEachRow(text, [&](QStringView row) { rows << row.toString(); });
    return rows;
}

TEST(ScoreText, RowsAreCutAtCrLfAndNowhereElse) {
    EXPECT_EQ(rowsOf("a\r\nb\r\nc"), QStringList({"a", "b", "c"}));
    EXPECT_EQ(rowsOf("a\r\nb\r\n"), QStringList({"a", "b", ""}));
    EXPECT_EQ(rowsOf(""), QStringList({""}));
    EXPECT_EQ(rowsOf("\r\n"), QStringList({"", ""}));
    EXPECT_EQ(rowsOf("a\nb\nc"), QStringList({"a\nb\nc"}));
    EXPECT_EQ(rowsOf("a\rb\n\r\r\nc"), QStringList({"a\rb\n\r", "c"}));
    EXPECT_EQ(rowsOf("\r\n\r\n\r\n").size(), 4);
}

TEST(ScoreText, ScoresAreGbkUnlessTheyStartWithTheUtf8Mark) {
    const QString text = QStringLiteral("#春花秋月 ♫ 노래\r\n1+4");
    EXPECT_EQ(ScoreText::decode(GbkCodec::encode(text)), text);
    // Characters GBK cannot hold, as GB18030 writes them.
    EXPECT_EQ(ScoreText::decode("#\x81\x37\xAC\x39\r\n"), QStringLiteral("#♫\r\n"));
    EXPECT_EQ(ScoreText::decode("\xEF\xBB\xBF" + text.toUtf8()), text);
    // Without the mark UTF-8 bytes are read as GBK: not the same text.
    EXPECT_NE(ScoreText::decode(text.toUtf8()), text);
    // Bytes that are not GBK still decode to something, never nothing.
    EXPECT_FALSE(ScoreText::decode(QByteArray("\x81\r\n\xFF", 4)).isEmpty());
}

struct SplitCase {
    const char* row;
    const char* token;
    const char* duration;
    bool hasDuration;
};
void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.row;
}
class ScoreTextSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(ScoreTextSplit, CutsAtTheFirstTwoPlusSigns) {
    const SplitCase& c = GetParam();
    const QString row = QString::fromUtf8(c.row);
    const ScoreText::RowParts parts = ScoreText::split(row);
    EXPECT_EQ(parts.token.toString(), QString::fromUtf8(c.token)) << c.row;
    EXPECT_EQ(parts.durationText.toString(), QString::fromUtf8(c.duration)) << c.row;
    EXPECT_EQ(parts.hasDuration, c.hasDuration) << c.row;
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScoreTextSplit,
    testing::Values(SplitCase{"6+4", "6", "4", true}, SplitCase{"5", "5", "", false},
                    SplitCase{"1.+4+junk", "1.", "4", true}, SplitCase{"3+", "3", "", true},
                    SplitCase{"+8", "", "8", true}, SplitCase{"1++4", "1", "", true},
                    SplitCase{"b2 / #1 +8", "b2 / #1 ", "8", true}));

TEST(ScoreText, OnlyTrailingBlanksAreRemovedFromTheToken) {
    EXPECT_EQ(ScoreText::withoutTrailingBlanks(u"  1.  ").toString(), QString("  1."));
    EXPECT_EQ(ScoreText::withoutTrailingBlanks(u"   ").toString(), QString());
    EXPECT_EQ(ScoreText::withoutTrailingBlanks(u"1\t").toString(), QString("1\t"));
}

} // namespace
