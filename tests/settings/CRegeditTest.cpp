#include "settings/CRegedit.h"

#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

struct CRegeditTest : testing::Test {
    QString store() const { return dir.file("INI/store.Reg"); }
    TempProgramFolder dir;
    CRegeditTest() { dir.write("INI/.keep", {}); }
};

TEST_F(CRegeditTest, AValueSetIsReadBackAndSurvivesInTheFile) {
    {
        CRegedit reg(store());
        EXPECT_TRUE(reg.setString_(R"(Type\Shell\open\Command)", {}, R"("/a b/p" "%1")"));
        EXPECT_TRUE(reg.setString_("Type", "Named", "x\\y\n\"z\""));
    }
    CRegedit again(store());
    EXPECT_EQ(again.getString_(R"(Type\Shell\open\Command)", {}), QString(R"("/a b/p" "%1")"));
    EXPECT_EQ(again.getString_("Type", "Named"), QString("x\\y\n\"z\""));
    EXPECT_EQ(again.getString_("Type", {}), QString());
    EXPECT_TRUE(again.keyExists(R"(Type\Shell)")) << "parents are created with the key";
}

TEST_F(CRegeditTest, KeysAndValueNamesIgnoreLetterCase) {
    CRegedit reg(store());
    reg.setString_(".PIANO", {}, "Qor_Tonvale乐谱文件");
    EXPECT_EQ(reg.getString_(".piano", {}), QString("Qor_Tonvale乐谱文件"));
    reg.setString_(".piano", {}, "Other");
    EXPECT_EQ(reg.getString_(".PIANO", {}), QString("Other"));
    reg.setString_("K", "Name", "1");
    EXPECT_EQ(reg.getString_("k", "NAME"), QString("1"));
}

TEST_F(CRegeditTest, ZeroCharactersAreRemovedOnReading) {
    CRegedit reg(store());
    reg.setString_("K", {}, QString("ab") + QChar(0) + "c");
    EXPECT_EQ(reg.getString_("K", {}), QString("abc"));
}

TEST_F(CRegeditTest, DeletingFailsForMissingKeysKeysWithSubkeysAndEmptyNames) {
    CRegedit reg(store());
    reg.setString_(R"(A\B)", {}, "v");
    reg.CreateKey_("A b"); // sorts between "A" and "A\B" but is no subkey of "A"
    EXPECT_FALSE(reg.DeleteSubKey_("", {}));
    EXPECT_FALSE(reg.DeleteSubKey_("Missing", {}));
    EXPECT_FALSE(reg.DeleteSubKey_("A", {})) << "A still has the subkey B";
    EXPECT_TRUE(reg.keyExists("A"));
    EXPECT_TRUE(reg.DeleteSubKey_("A", "B"));
    EXPECT_TRUE(reg.DeleteSubKey_("A", {}));
    EXPECT_FALSE(reg.keyExists("A"));
    EXPECT_TRUE(reg.keyExists("A b"));
    EXPECT_FALSE(CRegedit(store()).keyExists("A"));
}

TEST_F(CRegeditTest, EmptyOrBrokenKeyNamesAreRefused) {
    CRegedit reg(store());
    EXPECT_FALSE(reg.setString_("", {}, "x"));
    EXPECT_FALSE(reg.setString_(R"(\\)", {}, "x"));
    EXPECT_FALSE(reg.setString_("a\nb", {}, "x"));
    EXPECT_FALSE(reg.CreateKey_(""));
    EXPECT_FALSE(QFile::exists(store()));
}

TEST_F(CRegeditTest, AChangeThatCannotBeWrittenIsNotMade) {
    CRegedit reg(dir.file("missing-folder/store.Reg"));
    EXPECT_FALSE(reg.setString_("K", {}, "v"));
    EXPECT_FALSE(reg.keyExists("K"));
    EXPECT_EQ(reg.getString_("K", {}), QString());
}

TEST_F(CRegeditTest, ABatchWritesOnceAtItsEndAndReadsSeeItsChangesMeanwhile) {
    CRegedit reg(store());
    {
        const CRegedit::Batch batch(reg);
        reg.setString_(R"(A\B)", {}, "1");
        reg.setString_("C", {}, "2");
        reg.DeleteSubKey_("C", {});
        EXPECT_EQ(reg.getString_(R"(A\B)", {}), QString("1"));
        EXPECT_FALSE(reg.keyExists("C"));
        EXPECT_FALSE(QFile::exists(store())) << "nothing written before the end";
    }
    const CRegedit again(store());
    EXPECT_EQ(again.getString_(R"(A\B)", {}), QString("1"));
    EXPECT_FALSE(again.keyExists("C"));
}

TEST_F(CRegeditTest, ABatchThatCannotBeWrittenLeavesTheStoreAsTheFileHasIt) {
    CRegedit reg(store());
    reg.setString_("Kept", {}, "1");
    QFile::setPermissions(store(), QFileDevice::ReadOwner);
    {
        const CRegedit::Batch batch(reg);
        reg.setString_("Lost", {}, "2");
        reg.DeleteSubKey_("Kept", {});
    }
    EXPECT_TRUE(reg.keyExists("Kept"));
    EXPECT_FALSE(reg.keyExists("Lost"));
    QFile::setPermissions(store(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(CRegeditTest, AHandEditedOrDamagedFileIsReadAsFarAsItMakesSense) {
    dir.write("INI/store.Reg", "garbage line\n[a\\\\b]\n@=\"one\"\n\"n\"=\"two\" trailing\n"
                               "@=unquoted\n\xff\xfe\n[]\n@=\"lost\"\n[c]\n\"\"=\"empty name\"\n");
    CRegedit reg(store());
    EXPECT_EQ(reg.getString_(R"(a\b)", {}), QString("one"));
    EXPECT_EQ(reg.getString_(R"(a\b)", "n"), QString());
    EXPECT_TRUE(reg.keyExists("a")) << "a key's parents always exist";
    EXPECT_TRUE(reg.keyExists("c"));
    EXPECT_EQ(reg.getString_("c", {}), QString());
}

} // namespace
