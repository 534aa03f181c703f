#include "settings/CRegeditExpanded.h"

#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

const QString kProgram = "/opt/Tonvale 1/tonvale";
const QString kOpen = R"("/opt/Tonvale 1/tonvale" "%1")";
const QString kEdit = R"("/usr/bin/gedit" "%1")";
const QString kVerb = "编辑(&E)";

struct CRegeditExpandedTest : testing::Test {
    CRegeditExpandedTest() { dir.write("INI/.keep", {}); }
    QStringList keys() const {
        QStringList out;
        for (const auto& key : RegistryFile::parse(dir.read("INI/a.Reg")))
            out << key.path;
        return out;
    }
    void registerScores(bool icon = true, bool verb = true, bool app = true) {
        expanded.setAssociatedApp_(".PIANO", "T", kProgram, icon, "/i/piano.ico", verb, kVerb, app,
                                   {}, kEdit);
    }

    TempProgramFolder dir;
    CRegedit reg{dir.file("INI/a.Reg")};
    int notices = 0;
    CRegeditExpanded expanded{reg, [this] { ++notices; }};
};

TEST_F(CRegeditExpandedTest, RegisteringWritesTheWholeLayoutAndNotifiesOnce) {
    registerScores();
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(reg.getString_(".PIANO", {}), QString("T"));
    EXPECT_EQ(reg.getString_("T", {}), QString("T"));
    for (const QString root : {"T", "Applications\\tonvale"}) {
        EXPECT_EQ(reg.getString_(root + R"(\Shell\open\Command)", {}), kOpen);
        EXPECT_EQ(reg.getString_(root + R"(\DefaultIcon)", {}), QString("/i/piano.ico"));
        EXPECT_EQ(reg.getString_(root + R"(\Shell\编辑(&E)\Command)", {}), kEdit);
    }
    EXPECT_EQ(
        keys(),
        QStringList({".PIANO", "Applications", R"(Applications\tonvale)",
                     R"(Applications\tonvale\DefaultIcon)", R"(Applications\tonvale\Shell)",
                     R"(Applications\tonvale\Shell\open)",
                     R"(Applications\tonvale\Shell\open\Command)",
                     R"(Applications\tonvale\Shell\编辑(&E))",
                     R"(Applications\tonvale\Shell\编辑(&E)\Command)", "T", R"(T\DefaultIcon)",
                     R"(T\Shell)", R"(T\Shell\open)", R"(T\Shell\open\Command)",
                     R"(T\Shell\编辑(&E))", R"(T\Shell\编辑(&E)\Command)"}));
}

TEST_F(CRegeditExpandedTest, FlagsLeaveOutIconVerbAndApplication) {
    registerScores(false, false, false);
    EXPECT_EQ(keys(), QStringList({".PIANO", "T", R"(T\Shell)", R"(T\Shell\open)",
                                   R"(T\Shell\open\Command)"}));
}

TEST_F(CRegeditExpandedTest, AnEmptyVerbCommandBecomesTheOpenCommand) {
    expanded.setAssociatedApp_(".PIANO", "T", kProgram, false, {}, true, kVerb, false, {}, {});
    EXPECT_EQ(reg.getString_(R"(T\Shell\编辑(&E)\Command)", {}), kOpen);
}

TEST_F(CRegeditExpandedTest, UnregisteringRemovesEveryKeyItWrote) {
    registerScores();
    expanded.UnsetAssociatedApp_(".PIANO", "T", kProgram, true, true, kVerb, true);
    EXPECT_EQ(notices, 2);
    EXPECT_EQ(keys(), QStringList({"Applications"}));
}

TEST_F(CRegeditExpandedTest, AnExtensionNamingAnotherTypeIsLeftAlone) {
    registerScores();
    reg.setString_(".PIANO", {}, "Other.Type");
    expanded.UnsetAssociatedApp_(".PIANO", "T", kProgram, true, true, kVerb, true);
    EXPECT_EQ(reg.getString_(".PIANO", {}), QString("Other.Type"));
    EXPECT_FALSE(reg.keyExists("T"));
}

TEST_F(CRegeditExpandedTest, KeysOfOthersBelowTheTypeKeepIt) {
    registerScores();
    reg.setString_(R"(T\Shell\print\Command)", {}, "lp");
    expanded.UnsetAssociatedApp_(".PIANO", "T", kProgram, true, true, kVerb, true);
    EXPECT_TRUE(reg.keyExists(R"(T\Shell\print\Command)"));
    EXPECT_FALSE(reg.keyExists(R"(T\Shell\open)"));
}

struct NameCase {
    const char* command;
    const char* name;
};

void PrintTo(const NameCase& c, std::ostream* os) {
    *os << (*c.command ? c.command : "none");
}

class AssociatedAppName : public CRegeditExpandedTest,
                          public testing::WithParamInterface<NameCase> {};

TEST_P(AssociatedAppName, IsTheFileNameOfTheRegisteredProgram) {
    reg.setString_(".PLIST", {}, "P");
    if (*GetParam().command) reg.setString_(R"(P\Shell\open\Command)", {}, GetParam().command);
    QString command;
    EXPECT_EQ(expanded.getAssociatedAppName_(".plist", &command, true), QString(GetParam().name));
    EXPECT_EQ(command, QString(GetParam().command));
}

INSTANTIATE_TEST_SUITE_P(Commands, AssociatedAppName,
                         testing::Values(NameCase{"", ""},
                                         NameCase{R"("C:\P\P.exe" "%1")", "P.EXE"},
                                         NameCase{R"("/opt/Tonvale 1/tonvale" "%1")", "TONVALE"},
                                         NameCase{"/usr/bin/other %1", "OTHER"},
                                         NameCase{"plain", "PLAIN"},
                                         NameCase{R"("/opt/dir/" "%1")", ""}));

TEST_F(CRegeditExpandedTest, NoNameWithoutAnExtensionKey) {
    reg.setString_(R"(Shell\open\Command)", {}, "stray");
    EXPECT_EQ(expanded.getAssociatedAppName_(".PIANO", nullptr, false), QString());
}

TEST_F(CRegeditExpandedTest, TheNameKeepsItsCaseWithoutTheUpperCaseFlag) {
    registerScores();
    EXPECT_EQ(expanded.getAssociatedAppName_(".PIANO", nullptr, false), QString("tonvale"));
}

} // namespace
