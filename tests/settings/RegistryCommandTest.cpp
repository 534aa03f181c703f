#include "settings/RegistryCommand.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
    const char* label;
    const char* command;
    QStringList arguments;
};

void PrintTo(const SplitCase& c, std::ostream* os) {
    *os << c.label;
}

class RegistryCommandSplit : public testing::TestWithParam<SplitCase> {};

TEST_P(RegistryCommandSplit, GivesTheArguments) {
    EXPECT_EQ(RegistryCommand::split(QString::fromUtf8(GetParam().command)), GetParam().arguments);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, RegistryCommandSplit,
    testing::Values(SplitCase{"empty", "", {}}, SplitCase{"blanks", "   ", {}},
                    SplitCase{"windowsPath", R"("C:\P\P.exe" "%1")", {R"(C:\P\P.exe)", "%1"}},
                    SplitCase{"unquoted", "/usr/bin/tonvale %1", {"/usr/bin/tonvale", "%1"}},
                    SplitCase{"blankInPath",
                              R"("/opt/my piano/tonvale" "%1")",
                              {"/opt/my piano/tonvale", "%1"}},
                    SplitCase{"doubledQuote", R"("a""b" c)", {R"(a"b)", "c"}},
                    SplitCase{"emptyArgument", R"("" x)", {"", "x"}},
                    SplitCase{"quoteInsideWord", R"(pre"fix rest"  tail)", {"prefix rest", "tail"}},
                    SplitCase{"unterminated", R"("unterminated quote)", {"unterminated quote"}}));

TEST(RegistryCommand, QuotedProgramsSurviveTheRoundTrip) {
    for (const QString& program :
         {QString("/usr/bin/tonvale"), QString("/home/u/My \"Piano\"/tonvale"), QString("/a b/c"),
          QString("/x/\"\""), QString("/钢琴/程序")}) {
        EXPECT_EQ(RegistryCommand::split(RegistryCommand::forProgram(program)),
                  QStringList({program, "%1"}))
            << program.toStdString();
    }
}

TEST(RegistryCommand, ForProgramMatchesTheClassicLayout) {
    EXPECT_EQ(RegistryCommand::forProgram(R"(C:\P\P.exe)"), QString(R"("C:\P\P.exe" "%1")"));
}

} // namespace
