#include "score/ScoreInfo.h"
#include "platform/GbkCodec.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

const QStringList kInstruments{"钢琴", "明亮的钢琴", "电钢琴"};

TEST(GetScoreInfo, DescribesTheHeaderRows) {
    TempProgramFolder dir;
    dir.write("春晓.piano", GbkCodec::encode("%2\r\n!B\r\n?4/4\r\n$100\r\n1+4\r\n"));
    QString title;
    EXPECT_EQ(GetScoreInfo(dir.file("春晓.piano"), kInstruments, title),
              QString("乐 器：电钢琴\r\n音 调：B\r\n节 拍：4/4\r\n速 度：100 拍/分钟"));
    EXPECT_EQ(title, QString("春晓"));
}

TEST(GetScoreInfo, SkipsBlankRowsCommentsAndNotesAndTakesTheRawToken) {
    TempProgramFolder dir;
    dir.write(
        "a.b.piano",
        GbkCodec::encode("'%1\r\n\r\n1+4\r\n#caption\r\n! c# +8\r\n?3/4+16\r\n%9\r\n$ 72abc\r\n"));
    QString title;
    EXPECT_EQ(GetScoreInfo(dir.file("a.b.piano"), kInstruments, title),
              QString("音 调： c# \r\n节 拍：3/4\r\n乐 器：\r\n速 度： 72abc 拍/分钟"));
    EXPECT_EQ(title, QString("a.b"));
}

TEST(GetScoreInfo, AnEntryWithAPositionReadsTheFileBeforeTheSuffix) {
    TempProgramFolder dir;
    dir.write("曲.piano", GbkCodec::encode("$88"));
    QString title;
    EXPECT_EQ(GetScoreInfo(dir.file("曲.piano") + " *120", kInstruments, title),
              QString("速 度：88 拍/分钟"));
    EXPECT_EQ(title, QString("曲"));
    EXPECT_EQ(ScoreInfo::entryPath("*5"), QString());
    EXPECT_EQ(ScoreInfo::entryPath("/x/a.piano"), QString("/x/a.piano"));
}

TEST(GetScoreInfo, LooksAtTheFirst24RowsOnly) {
    TempProgramFolder dir;
    QByteArray bytes;
    for (int i = 0; i < 23; ++i)
        bytes += "1+4\r\n";
    bytes += "$60\r\n$70\r\n";
    dir.write("s.piano", bytes);
    QString title;
    EXPECT_EQ(GetScoreInfo(dir.file("s.piano"), kInstruments, title), QString("速 度：60 拍/分钟"));
}

TEST(GetScoreInfo, AMissingFileGivesNothingButTheTitle) {
    QString title;
    EXPECT_EQ(GetScoreInfo("/nonexistent/歌.piano", kInstruments, title), QString());
    EXPECT_EQ(title, QString("歌"));
}

TEST(GetScoreInfo, AHugeFileIsNotReadWhole) {
    TempProgramFolder dir;
    // 64 MB in one row: the information reads only the top of the file.
    QByteArray bytes = "$120+";
    bytes += QByteArray(64 * 1024 * 1024, '7');
    dir.write("huge.piano", bytes);
    bytes.clear();
    QString title;
    EXPECT_EQ(GetScoreInfo(dir.file("huge.piano"), kInstruments, title),
              QString("速 度：120 拍/分钟"));
}

} // namespace
