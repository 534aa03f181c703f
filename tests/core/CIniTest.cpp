#include "core/CIni.h"
#include "platform/AtomicFile.h"
#include "core/IniFileCache.h"
#include "platform/GbkCodec.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

#include <sys/stat.h>
#include <tuple>

namespace {

class CIniTest : public testing::Test {
protected:
    QString path(const QString& name = QStringLiteral("设置.INI")) const { return dir.file(name); }
    void writeGbk(const QString& text, const QString& name = QStringLiteral("设置.INI")) const {
        dir.write(name, GbkCodec::encode(text));
    }
    QString readGbk(const QString& name = QStringLiteral("设置.INI")) const {
        return GbkCodec::decode(dir.read(name));
    }

    TempProgramFolder dir;
    CIni ini;
};

TEST_F(CIniTest, ReadsChineseSectionsAndKeysIgnoringCaseBlanksAndQuotes) {
    writeGbk("; 注释\r\n[乐器名]\r\n1 = 大钢琴 "
             "\r\nKey=\"带引号的值\"\r\nkey=第二个\r\n[Other]\r\nA=1\r\n");
    EXPECT_EQ(ini.ReadIniString_("乐器名", "1", path()), QString("大钢琴"));
    EXPECT_EQ(ini.ReadIniString_("乐器名", "KEY", path()), QString("带引号的值"));
    EXPECT_EQ(ini.ReadIniString_("other", "a", path()), QString("1"));
    EXPECT_EQ(ini.ReadIniString_("乐器名", "2", path()), QString());
    EXPECT_EQ(ini.ReadIniString_("缺少", "1", path()), QString());
    EXPECT_EQ(ini.ReadIniString_("乐器名", "1", dir.file("missing.INI")), QString());
}

TEST_F(CIniTest, EmptyOrBlankWritesAreRefusedAndKeepTheOldValue) {
    ASSERT_TRUE(ini.WriteIniString_("选项", "键", "旧值", path()));
    EXPECT_FALSE(ini.WriteIniString_("选项", "键", "", path()));
    EXPECT_FALSE(ini.WriteIniString_("选项", "键", "   ", path()));
    EXPECT_FALSE(ini.WriteIniString_("选项", "  ", "值", path()));
    EXPECT_FALSE(ini.WriteIniString_(" ", "键", "值", path()));
    EXPECT_EQ(ini.ReadIniString_("选项", "键", path()), QString("旧值"));
}

TEST_F(CIniTest, LineBreaksTravelAsTheMarker) {
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "第一行\r\n第二行", path()));
    EXPECT_TRUE(readGbk().contains("k=第一行@Quillon@第二行"));
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("第一行\r\n第二行"));
    writeGbk("[s]\r\nk=a@QUILLON@b\r\n");
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("a\r\nb"));
}

TEST_F(CIniTest, ALoneLineBreakCannotInjectANewLine) {
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "a\nInjected=1", path()));
    EXPECT_EQ(ini.ReadIniString_("s", "Injected", path()), QString());
    EXPECT_EQ(readGbk().count('\n'), 2);
}

TEST_F(CIniTest, BooleansAreOneAndZero) {
    ASSERT_TRUE(ini.WriteIniTF_("菜单复选否", "静音(&M)", true, path()));
    ASSERT_TRUE(ini.WriteIniTF_("菜单复选否", "关机", false, path()));
    EXPECT_TRUE(ini.ReadIniTF_("菜单复选否", "静音(&M)", path()));
    EXPECT_FALSE(ini.ReadIniTF_("菜单复选否", "关机", path()));
    EXPECT_EQ(ini.ReadIniString_("菜单复选否", "关机", path()), QString("0"));
    EXPECT_FALSE(ini.ReadIniTF_("菜单复选否", "缺少", path()));
    writeGbk("[s]\r\ntwo=2\r\nneg=-1\r\n");
    EXPECT_TRUE(ini.ReadIniTF_("s", "two", path()));
    EXPECT_TRUE(ini.ReadIniTF_("s", "neg", path()));
}

TEST_F(CIniTest, LongValuesAreCutAt1023BytesOnACharacterBoundary) {
    // 1500 bytes of two-byte characters after one ASCII byte: byte 1023 would split a character.
    const QString value = "x" + QString(750, QChar(0x4E2D)); // 中
    ASSERT_TRUE(ini.WriteIniString_("s", "k", value, path()));
    const QString read = ini.ReadIniString_("s", "k", path());
    EXPECT_EQ(GbkCodec::encode(read).size(), 1023);
    EXPECT_EQ(read, value.left(1 + 511));
    const QString even = QString(750, QChar(0x4E2D));
    ASSERT_TRUE(ini.WriteIniString_("s", "k", even, path()));
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), even.left(511));
}

TEST_F(CIniTest, RewritesKeepCommentsOtherLinesAndOrder) {
    writeGbk("; 横幅\r\n[节]\r\n\t\r\na=1\r\n这一行不是条目\r\nb=2\r\n\r\n[后面]\r\nc=3\r\n");
    ASSERT_TRUE(ini.WriteIniString_("节", "A", "新", path()));
    ASSERT_TRUE(ini.WriteIniString_("节", "d", "4", path()));
    ASSERT_TRUE(ini.WriteIniString_("新节", "e", "5", path()));
    EXPECT_EQ(readGbk(),
              QString("; 横幅\r\n[节]\r\n\t\r\na=新\r\n这一行不是条目\r\nb=2\r\nd=4\r\n\r\n"
                      "[后面]\r\nc=3\r\n[新节]\r\ne=5\r\n"));
}

TEST_F(CIniTest, TheFirstOfTwoEqualKeysWinsAndIsTheOneReplaced) {
    writeGbk("[s]\r\nk=first\r\nK=second\r\n");
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("first"));
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "new", path()));
    EXPECT_EQ(readGbk(), QString("[s]\r\nk=new\r\nK=second\r\n"));
}

TEST_F(CIniTest, DeletesKeysAndSections) {
    writeGbk("[a]\r\nx=1\r\ny=2\r\n[b]\r\nz=3\r\n");
    ini.DeleteKeyWord_("a", "X", path());
    EXPECT_EQ(readGbk(), QString("[a]\r\ny=2\r\n[b]\r\nz=3\r\n"));
    ini.DeleteSection_("A", path());
    EXPECT_EQ(readGbk(), QString("[b]\r\nz=3\r\n"));
}

TEST_F(CIniTest, ReadsSeeEveryChangeMadeOnDisk) {
    writeGbk("[s]\r\nk=1\r\n");
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("1"));
    writeGbk("[s]\r\nk=2\r\n"); // same size: only the file's identity tells
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("2"));
    QFile::remove(path());
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString());
}

// What identifies one version of a file to the cache: where it is, its size and its times.
std::tuple<dev_t, ino_t, off_t, qint64, qint64> identityOf(const QString& path) {
    struct stat st {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &st), 0);
    const auto ns = [](const timespec& t) { return qint64(t.tv_sec) * 1'000'000'000 + t.tv_nsec; };
    return {st.st_dev, st.st_ino, st.st_size, ns(st.st_mtim), ns(st.st_ctim)};
}

TEST_F(CIniTest, ReadsSeeARewriteInPlaceThatKeepsSizeAndTime) {
    // What a coarse file-system clock makes of a rewrite within one tick: same inode, same size,
    // same times. Writes through a shared mapping give exactly that: once the first write has
    // made the page writable, later ones reach the file without the kernel stamping a new time.
    writeGbk("[s]\r\nk=0\r\n");
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    uchar* const bytes = file.map(0, file.size());
    ASSERT_NE(bytes, nullptr);
    bytes[7] = '1';
    for (const char value : {'2', '3', '4'}) {
        ASSERT_EQ(ini.ReadIniString_("s", "k", path()), QString(QChar(value - 1)));
        const auto before = identityOf(path());
        bytes[7] = value;
        ASSERT_EQ(identityOf(path()), before) << "the rewrite did not keep size and times";
        EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString(QChar(value)));
    }
}

TEST_F(CIniTest, AutoAddDotIniAppendsTheEndingOnlyWhenMissing) {
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "v", dir.file("cfg"), true));
    EXPECT_TRUE(QFile::exists(dir.file("cfg.INI")));
    EXPECT_EQ(ini.ReadIniString_("s", "k", dir.file("cfg.INI"), true), QString("v"));
    EXPECT_EQ(ini.ReadIniString_("s", "k", dir.file("cfg"), false), QString());
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "w", dir.file("other.ini"), true));
    EXPECT_TRUE(QFile::exists(dir.file("other.ini")));
    EXPECT_FALSE(QFile::exists(dir.file("other.ini.INI")));
}

TEST_F(CIniTest, WritesToReadOnlyFilesOrMissingFoldersFailAndChangeNothing) {
    writeGbk("[s]\r\nk=old\r\n");
    QFile::setPermissions(path(),
                          QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
    EXPECT_FALSE(ini.WriteIniString_("s", "k", "new", path()));
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("old"));
    EXPECT_FALSE(ini.WriteIniString_("s", "k", "v", dir.file("nofolder/x.INI")));
}

TEST_F(CIniTest, ABatchWritesOnceAndReadsSeeThePendingValues) {
    {
        CIni::Batch batch(path());
        for (int i = 0; i < 500; ++i)
            ASSERT_TRUE(
                ini.WriteIniString_("列表", QString::number(i), QString("条目%1").arg(i), path()));
        EXPECT_FALSE(QFile::exists(path()));
        EXPECT_EQ(ini.ReadIniString_("列表", "499", path()), QString("条目499"));
    }
    EXPECT_EQ(ini.ReadIniString_("列表", "250", path()), QString("条目250"));
    EXPECT_EQ(readGbk().count("\r\n"), 501);
}

TEST_F(CIniTest, ABatchInsideAnotherWritesWithTheOutermost) {
    {
        CIni::Batch outer(path());
        ini.WriteIniString_("s", "a", "1", path());
        {
            CIni::Batch inner(path());
            ini.WriteIniString_("s", "b", "2", path());
            EXPECT_TRUE(inner.commit());
        }
        EXPECT_FALSE(QFile::exists(path()));
    }
    EXPECT_EQ(readGbk(), QString("[s]\r\na=1\r\nb=2\r\n"));
}

TEST_F(CIniTest, ReadingManyFilesKeepsFewParsedAndNeverLosesAPendingBatch) {
    {
        CIni::Batch batch(path());
        ini.WriteIniString_("s", "pending", "1", path());
        for (int i = 0; i < 200; ++i) {
            const QString name = QString("列表%1.plist").arg(i);
            writeGbk(QString("[播放列表]\r\n1=/m/%1.piano\r\n").arg(i), name);
            ASSERT_EQ(ini.ReadIniString_("播放列表", "1", path(name)),
                      QString("/m/%1.piano").arg(i));
        }
        EXPECT_LE(IniFileCache::documentsHeld(), 40);
        EXPECT_EQ(ini.ReadIniString_("s", "pending", path()), QString("1"));
        EXPECT_FALSE(QFile::exists(path()));
    }
    EXPECT_EQ(readGbk(), QString("[s]\r\npending=1\r\n"));
    // A file forgotten on the way is read again as it is now.
    writeGbk("[播放列表]\r\n1=/m/changed.piano\r\n", "列表0.plist");
    EXPECT_EQ(ini.ReadIniString_("播放列表", "1", path("列表0.plist")),
              QString("/m/changed.piano"));
}

TEST_F(CIniTest, AnInterruptedRewriteLeavesTheOldFileWhole) {
    writeGbk("[s]\r\nk=old\r\n");
    // What a crash before the rename leaves behind: a temporary file beside the target.
    dir.write("设置.INI.tmp123", "[s]\r\nk=ne");
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("old"));
    ASSERT_TRUE(ini.WriteIniString_("s", "k", "new", path()));
    EXPECT_EQ(readGbk(), QString("[s]\r\nk=new\r\n"));
}

TEST_F(CIniTest, ZeroCharactersAreRemovedFromValues) {
    dir.write("设置.INI", QByteArray("[s]\r\nk=a\0b\r\n", 12));
    EXPECT_EQ(ini.ReadIniString_("s", "k", path()), QString("ab"));
}

// Files as other programs and hand editing leave them, read as profile files are read elsewhere.
struct ReadCase {
    const char* name;
    QByteArray file;
    QString section, key;
    QString expected;
};

void PrintTo(const ReadCase& c, std::ostream* os) {
    *os << c.name;
}

class CIniReadTest : public CIniTest, public testing::WithParamInterface<ReadCase> {};

TEST_P(CIniReadTest, ReadsTheValue) {
    dir.write("设置.INI", GetParam().file);
    EXPECT_EQ(ini.ReadIniString_(GetParam().section, GetParam().key, path()), GetParam().expected);
}

const QString kFullWidthSpace(QChar(0x3000));

INSTANTIATE_TEST_SUITE_P(
    Bytes, CIniReadTest,
    testing::Values(
        ReadCase{"LoneCrEndsALine", "[s]\r\nk=abc\rdef=1\r\n", "s", "k", "abc"},
        ReadCase{"AfterALoneCr", "[s]\r\nk=abc\rdef=1\r\n", "s", "def", "1"},
        ReadCase{"OldMacintoshFile", "[s]\rk=v\rj=w", "s", "j", "w"},
        ReadCase{"UnixFile", "[s]\nk=v\n", "s", "k", "v"},
        ReadCase{"CrBeforeCrLf", "[s]\r\r\nk=v\r\r\n", "s", "k", "v"},
        ReadCase{"BlanksAndTabsTrimmed", "[s]\r\n\t k \t= \t\"v\" \t\r\n", "s", "k", "v"},
        ReadCase{"FullWidthSpacesKept", "[s]\r\nk=\xA1\xA1v\xA1\xA1\r\n", "s", "k",
                 kFullWidthSpace + "v" + kFullWidthSpace},
        ReadCase{"NamesGivenWithBlanks", "[s]\r\nk=v\r\n", " s\t", "\tk ", "v"},
        ReadCase{"NoClosingBracketNoSection", "[t]\r\n[s\r\nk=v\r\n", "t", "k", "v"},
        ReadCase{"NoClosingBracketNothingInIt", "[t]\r\n[s\r\nk=v\r\n", "s", "k", ""},
        ReadCase{"FourByteCharacters", "[\x81\x37\xAC\x39]\r\n\x82\x37\xCF\x35=\xA8\xA6\r\n", "♫",
                 "가", "é"}),
    testing::PrintToStringParamName());

// One write or delete (an empty value deletes the key), and the whole file after it: every other
// line stays as it was, line end included.
struct RewriteCase {
    const char* name;
    QByteArray file;
    QString section, key, value;
    QByteArray expected;
};

void PrintTo(const RewriteCase& c, std::ostream* os) {
    *os << c.name;
}

class CIniRewriteTest : public CIniTest, public testing::WithParamInterface<RewriteCase> {};

TEST_P(CIniRewriteTest, LeavesTheFile) {
    const RewriteCase& c = GetParam();
    dir.write("设置.INI", c.file);
    if (c.value.isEmpty())
        ini.DeleteKeyWord_(c.section, c.key, path());
    else
        ASSERT_TRUE(ini.WriteIniString_(c.section, c.key, c.value, path()));
    EXPECT_EQ(dir.read("设置.INI"), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CIniRewriteTest,
    testing::Values(
        RewriteCase{"KeyWithBlanksReplaces", "[s]\r\nk=1\r\n", "s", "k ", "2", "[s]\r\nk=2\r\n"},
        RewriteCase{"SectionWithBlanksReplaces", "[s]\r\nk=1\r\n", "\ts ", "k", "2",
                    "[s]\r\nk=2\r\n"},
        RewriteCase{"NewNamesLoseTheirBlanks", "", " s ", " k ", "1", "[s]\r\nk=1\r\n"},
        RewriteCase{"KeyWithBlanksDeletes", "[s]\r\nk=1\r\nj=2\r\n", " s", "k\t", "",
                    "[s]\r\nj=2\r\n"},
        RewriteCase{"UnixLineEndsKept", "[s]\nk=1\nj=2\n", "s", "k", "3", "[s]\nk=3\nj=2\n"},
        RewriteCase{"NewKeyInAUnixFile", "[s]\nk=1\n", "s", "j", "2", "[s]\nk=1\nj=2\n"},
        RewriteCase{"OldMacintoshLineEndsKept", "[s]\rk=1\rj=2\r", "s", "j", "3",
                    "[s]\rk=1\rj=3\r"},
        RewriteCase{"MixedLineEndsKept", "[s]\r\nk=abc\rdef\nj=1\r\n", "s", "k", "x",
                    "[s]\r\nk=x\rdef\nj=1\r\n"},
        RewriteCase{"LastLineWithoutEndStaysSo", "[s]\r\nk=1", "s", "k", "2", "[s]\r\nk=2"},
        RewriteCase{"LastLineWithoutEndGetsOneBeforeANewLine", "[s]\r\nk=1", "s", "j", "2",
                    "[s]\r\nk=1\r\nj=2\r\n"},
        RewriteCase{"FullWidthSpacesWrittenAndKept", "[s]\r\nk=\xA1\xA1v\r\nj=1\r\n", "s", "j",
                    kFullWidthSpace + "2" + kFullWidthSpace,
                    "[s]\r\nk=\xA1\xA1v\r\nj=\xA1\xA1\x32\xA1\xA1\r\n"},
        RewriteCase{"NoClosingBracketNoSection", "[s]\r\n[t\r\nk=1\r\n", "s", "k", "2",
                    "[s]\r\n[t\r\nk=2\r\n"}),
    testing::PrintToStringParamName());

} // namespace
