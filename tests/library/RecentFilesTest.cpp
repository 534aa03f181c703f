#include "library/RecentFiles.h"
#include "core/CIni.h"
#include "platform/GbkCodec.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"

#include "QStringPrinter.h"
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

QString score(int k) {
    return QString("/m/s%1.piano").arg(k);
}

TEST(RecentFiles, ElevenScoresLeaveTheTenNewest) {
    RecentFiles recent;
    for (int k = 0; k < 11; ++k)
        recent.AddRecentFile(score(k));
    ASSERT_EQ(recent.count(), 10);
    EXPECT_EQ(recent.lstRecentFullPath().first(), score(10));
    EXPECT_EQ(recent.lstRecentFullPath().last(), score(1));
}

TEST(RecentFiles, AnEntryAlreadyThereMovesToTheTop) {
    RecentFiles recent;
    for (int k = 0; k < 5; ++k)
        recent.AddRecentFile(score(k));
    recent.AddRecentFile(score(2)); // third from the top
    EXPECT_EQ(recent.lstRecentFullPath(),
              QStringList({score(2), score(4), score(3), score(1), score(0)}));
}

TEST(RecentFiles, AnEntryWithAndWithoutASuffixAreTwoEntries) {
    RecentFiles recent;
    recent.AddRecentFile("C:\\a.piano");
    recent.AddRecentFile("C:\\a.piano *57");
    EXPECT_EQ(recent.lstRecentFullPath(), QStringList({"C:\\a.piano *57", "C:\\a.piano"}));
}

TEST(RecentFiles, EmptyEntriesChangeNothing) {
    RecentFiles recent;
    QSignalSpy changed(&recent, &RecentFiles::changed);
    recent.AddRecentFile(QString());
    recent.clear();
    EXPECT_TRUE(recent.isEmpty());
    EXPECT_EQ(changed.count(), 0);
    recent.AddRecentFile(score(1));
    EXPECT_EQ(changed.count(), 1);
}

TEST(RecentFiles, CaptionsCarryAccessKeysAndTheSuffix) {
    RecentFiles recent;
    recent.AddRecentFile("/m/R&B.piano");
    recent.AddRecentFile("/m/noext");
    recent.AddRecentFile("/d/m/Autumn.piano *57");
    EXPECT_EQ(recent.captions(), QStringList({"&0 Autumn *57", "&1 noext", "&2 R&&B"}));
    EXPECT_EQ(recent.caption(3), QString());
    for (int k = 3; k < 12; ++k)
        recent.AddRecentFile(score(k));
    EXPECT_EQ(recent.caption(8), QString("&8 s3"));
    EXPECT_EQ(recent.caption(9), QString("&9 Autumn *57"));
}

class RecentFilesStore : public testing::Test {
protected:
    QString path() const { return dir.file("程序设置.INI"); }
    void writeCount(const QString& count) const {
        QString text = "[最近打开的文件]\r\n个数=" + count + "\r\n";
        for (int k = 0; k < 12; ++k)
            text += QString("%1=%2\r\n").arg(k).arg(score(k));
        dir.write("程序设置.INI", GbkCodec::encode(text));
    }
    TempProgramFolder dir;
};

TEST_F(RecentFilesStore, SaveAndRestoreKeepTheOrder) {
    RecentFiles recent;
    for (int k = 0; k < 4; ++k)
        recent.AddRecentFile(score(k));
    ASSERT_TRUE(recent.save(path()));
    EXPECT_EQ(CIni().ReadIniString_("最近打开的文件", "0", path()), score(3));
    RecentFiles restored;
    restored.restore(path());
    EXPECT_EQ(restored.lstRecentFullPath(), recent.lstRecentFullPath());
    EXPECT_EQ(restored.captions(), recent.captions());
}

struct RestoreCase {
    const char* count;
    int restored;
};

void PrintTo(const RestoreCase& c, std::ostream* os) {
    *os << quoted(c.count);
}

class RecentCounts : public RecentFilesStore, public testing::WithParamInterface<RestoreCase> {};

TEST_P(RecentCounts, OutsideZeroToTenRestoreNothing) {
    writeCount(GetParam().count);
    RecentFiles recent;
    recent.restore(path());
    EXPECT_EQ(recent.count(), GetParam().restored);
    if (recent.count() > 0) {
        EXPECT_EQ(recent.lstRecentFullPath().first(), score(0));
    }
}

INSTANTIATE_TEST_SUITE_P(Counts, RecentCounts,
                         testing::Values(RestoreCase{"10", 10}, RestoreCase{"3", 3},
                                         RestoreCase{"11", 0}, RestoreCase{"-1", 0},
                                         RestoreCase{"0", 0}, RestoreCase{"x", 0},
                                         RestoreCase{"2000000000", 0}));

} // namespace
