#include "platform/GbkCodec.h"

#include <cstdio>
#include <gtest/gtest.h>

namespace {

struct Code {
    const char* bytes;
    char32_t character;
};

void PrintTo(const Code& c, std::ostream* os) {
    char name[12];
    std::snprintf(name, sizeof name, "U+%04X", unsigned(c.character));
    *os << name;
}

// Where GBK and GB18030 part ways, and the characters of one file name GBK cannot hold.
class GbkCodecTest : public testing::TestWithParam<Code> {};

TEST_P(GbkCodecTest, BytesAndCharacterMeetBothWays) {
    const QByteArray bytes(GetParam().bytes);
    const QString character = QString::fromUcs4(&GetParam().character, 1);
    EXPECT_EQ(GbkCodec::decode(bytes), character);
    EXPECT_EQ(GbkCodec::encode(character), bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, GbkCodecTest,
    testing::Values(Code{"\x80", 0x20AC},                // GBK's euro sign stays one byte
                    Code{"\xA2\xE3", 0xE76C},            // GB18030's euro code reads as GBK did
                    Code{"\xFF", 0xF8F5},                // as GBK read it
                    Code{"\xA3\xA0", 0xE5E5},            // private use in both
                    Code{"\xA1\xA1", 0x3000},            // full-width space
                    Code{"\xA8\xBC", 0xE7C7},            // GBK's reading, not GB18030's U+1E3F
                    Code{"\x81\x35\xF4\x37", 0x1E3F},    // ... which moves to four bytes
                    Code{"\xFE\x50", 0xE815},            // GBK's reading, not U+2E81
                    Code{"\x83\x36\xC9\x34", 0x2E81},    // ... which moves to four bytes
                    Code{"\xA8\xA6", 0xE9},              // é
                    Code{"\x81\x37\xAC\x39", 0x266B},    // ♫
                    Code{"\x82\x37\xCF\x35", 0xAC00},    // 가
                    Code{"\x94\x39\xC1\x39", 0x1F3B5})); // beyond the BMP

TEST(GbkCodec, TextGbkHoldsKeepsItsBytesAndTheRestTravelsInFourBytes) {
    const QString name = QStringLiteral("Café ♫ 노래 春晓.piano");
    const QByteArray bytes = GbkCodec::encode(name);
    EXPECT_EQ(GbkCodec::decode(bytes), name);
    EXPECT_FALSE(bytes.contains('?'));
    EXPECT_TRUE(bytes.endsWith(QByteArray(" \xB4\xBA\xCF\xFE.piano")));
    // Invalid bytes still read as something, never as nothing.
    EXPECT_EQ(GbkCodec::decode(QByteArray("a\x81 b")), QStringLiteral("a\uFFFD b"));
}

TEST(GbkCodec, TheCutNeverSplitsACharacterOfTwoOrFourBytes) {
    const QByteArray bytes("a\xB4\xBA\x81\x37\xAC\x39z");
    EXPECT_EQ(GbkCodec::boundaryAtOrBefore(bytes, 2), 1);
    EXPECT_EQ(GbkCodec::boundaryAtOrBefore(bytes, 3), 3);
    for (qsizetype limit = 4; limit < 7; ++limit)
        EXPECT_EQ(GbkCodec::boundaryAtOrBefore(bytes, limit), 3);
    EXPECT_EQ(GbkCodec::boundaryAtOrBefore(bytes, 7), 7);
    EXPECT_EQ(GbkCodec::boundaryAtOrBefore(bytes, 99), 8);
}

} // namespace
