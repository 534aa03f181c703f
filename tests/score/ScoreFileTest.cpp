#include "score/ScoreFile.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <gtest/gtest.h>

namespace {

using ScoreFile::ReadError;

TEST(ScoreFile, ReadsAWholeScore) {
    TempProgramFolder dir;
    dir.write("a.piano", "1+4\r\n2+4\r\n");
    const auto result = ScoreFile::readWhole(dir.file("a.piano"));
    EXPECT_EQ(result.error, ReadError::None);
    EXPECT_EQ(result.bytes, QByteArray("1+4\r\n2+4\r\n"));
}

TEST(ScoreFile, RefusesWhatCannotBeAScore) {
    TempProgramFolder dir;
    QDir(dir.path()).mkdir("folder.piano");
    EXPECT_EQ(ScoreFile::readWhole(dir.file("folder.piano")).error, ReadError::Unreadable);
    EXPECT_EQ(ScoreFile::readWhole(dir.file("missing.piano")).error, ReadError::Unreadable);
    dir.write("big.piano", QByteArray(101, '1'));
    EXPECT_EQ(ScoreFile::readWhole(dir.file("big.piano"), 100).error, ReadError::TooLarge);
    EXPECT_EQ(ScoreFile::readWhole(dir.file("big.piano"), 101).error, ReadError::None);
    dir.write("pic.piano", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16));
    EXPECT_EQ(ScoreFile::readWhole(dir.file("pic.piano")).error, ReadError::NotText);
}

TEST(ScoreFile, LeadingRowsStopAtTheRowsAsked) {
    TempProgramFolder dir;
    QByteArray bytes;
    for (int i = 0; i < 10000; ++i)
        bytes += "row" + QByteArray::number(i) + "\r\n";
    dir.write("long.piano", bytes);
    const QByteArray head = ScoreFile::readLeadingRows(dir.file("long.piano"), 3, 1 << 20);
    EXPECT_EQ(head, QByteArray("row0\r\nrow1\r\nrow2\r\n"));
    EXPECT_EQ(ScoreFile::readLeadingRows(dir.file("long.piano"), 30000, 1 << 20), bytes);
    EXPECT_TRUE(ScoreFile::readLeadingRows(dir.file("missing.piano"), 3, 100).isEmpty());
}

TEST(ScoreFile, ACrLfAcrossTheReadChunksIsFound) {
    TempProgramFolder dir;
    // The CR is the last byte of the first 4096-byte chunk, its LF the first of the next.
    const QByteArray first = QByteArray(4095, 'x') + "\r";
    dir.write("edge.piano", first + "\nsecond\r\nthird");
    EXPECT_EQ(ScoreFile::readLeadingRows(dir.file("edge.piano"), 1, 1 << 20), first + "\n");
    EXPECT_EQ(ScoreFile::readLeadingRows(dir.file("edge.piano"), 2, 1 << 20),
              first + "\nsecond\r\n");
}

TEST(ScoreFile, ALongRowIsCutAtTheLimitOnACharacterBoundary) {
    TempProgramFolder dir;
    // GBK two-byte characters; a limit of 5 bytes would cut the third one in half.
    dir.write("wide.piano", QByteArray("\xB4\xBA\xBB\xA8\xC7\xEF\xD4\xC2"));
    EXPECT_EQ(ScoreFile::readLeadingRows(dir.file("wide.piano"), 24, 5),
              QByteArray("\xB4\xBA\xBB\xA8"));
}

} // namespace
