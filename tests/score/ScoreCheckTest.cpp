#include "score/ScoreCheck.h"
#include "LoadedNoteTable.h"
#include "score/CheckCommand.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A score that plays as its writer meant; each case below adds one row to it.
const QString kClean =
    QStringLiteral("%0\r\n!C\r\n?4/4+8\r\n$100\r\n#一段\r\n#1\r\n1+4\r\nb2 / #1+8\r\n"
                   "\r\n' note\r\n0+4\r\n");

struct FindingCase {
    const char* text; // appended to kClean, or the whole score when `whole`
    bool whole;
    int line;           // of the one finding expected
    const char* reason; // a part of its reason
};
void PrintTo(const FindingCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}
class ScoreCheckFindings : public testing::TestWithParam<FindingCase> {};

TEST_P(ScoreCheckFindings, FindsEachMisreadingOnItsLine) {
    const FindingCase& c = GetParam();
    const QString text = c.whole ? QString::fromUtf8(c.text) : kClean + QString::fromUtf8(c.text);
    const QList<ScoreFinding> findings = ScoreCheck::check(text, loadedNoteTable());
    ASSERT_EQ(findings.size(), 1) << (findings.isEmpty() ? "" : findings[0].reason.toStdString());
    EXPECT_EQ(findings[0].line, c.line);
    EXPECT_TRUE(findings[0].reason.contains(QString::fromUtf8(c.reason)))
        << findings[0].reason.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Rows, ScoreCheckFindings,
    testing::Values(
        FindingCase{"#1+4", false, 12, "b2 / #1"}, FindingCase{"#2.+8", false, 12, "b3. / #2."},
        FindingCase{"b2+4", false, 12, "半"}, FindingCase{"x5+4", false, 12, "不是音符名"},
        FindingCase{"3+i", false, 12, "读作 0"}, FindingCase{"0+", false, 12, "读作 0"},
        FindingCase{"%40000", false, 12, "40000"}, FindingCase{"$-99999", false, 12, "-32768"},
        FindingCase{"?4/70000", false, 12, "16"}, FindingCase{"?4", false, 12, "/"},
        FindingCase{"!Bb", false, 12, "Bb"},
        FindingCase{"1+4\r\n%0\r\n?4/4\r\n$100", true, 1, "第一行"},
        FindingCase{"%0\r\n?4/4\r\n1+4", true, 1, "速度"},
        FindingCase{"%0\r\n$90\r\n1+4", true, 1, "节拍"},
        FindingCase{"%0\n!C\n?4/4\n$100\n1+4\n", true, 1, "整个文件"},
        // Editors count the bare LF and the lone CR as line ends; the player does not.
        FindingCase{"%0\r\n?4/4\r\n$9\r\n5+4\n6+4\r\n1+4", true, 4, "LF"},
        FindingCase{"%0\r\n?4/4\r\n$9\r\n5+4\r\r\n1+4", true, 4, "LF"}));

TEST(ScoreCheck, RowsAfterABareLineEndKeepTheEditorsLineNumbers) {
    const QList<ScoreFinding> findings =
        ScoreCheck::check(u"%0\r\n?4/4\r\n$9\r\n5+4\n6+4\r\nx+4", loadedNoteTable());
    ASSERT_EQ(findings.size(), 2);
    EXPECT_EQ(findings[1].row, 4);
    EXPECT_EQ(findings[1].line, 6);
}

TEST(ScoreCheck, ACleanScoreHasNoFindings) {
    EXPECT_TRUE(ScoreCheck::check(kClean, loadedNoteTable()).isEmpty());
}

TEST(ScoreCheck, TheEmbeddedNoteMapHoldsTheNamesTheProgramLoads) {
    NoteTable embedded;
    embedded.loadEmbeddedNoteMap();
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        EXPECT_EQ(embedded.strNoteName(i), loadedNoteTable().strNoteName(i)) << i;
}

struct CommandRun {
    int code;
    QString out;
    QString err;
};
CommandRun runCheck(const QStringList& paths) {
    QString out, err;
    QTextStream outStream(&out), errStream(&err);
    const int code = CheckCommand::run(paths, loadedNoteTable(), outStream, errStream);
    return {code, out, err};
}

TEST(CheckCommand, PrintsFileLineAndReasonAndExitsByWhatItFound) {
    const QTemporaryDir folder;
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    const QString clean =
        write(QStringLiteral("clean.piano"), kClean.toUtf8().prepend("\xEF\xBB\xBF"));
    const QString typo = write(QStringLiteral("typo.piano"), "%0\r\n?4/4\r\n$100\r\n3+i\r\n");

    const CommandRun ok = runCheck({clean});
    EXPECT_EQ(ok.code, CheckCommand::kClean);
    EXPECT_TRUE(ok.out.isEmpty());

    const CommandRun found = runCheck({clean, typo});
    EXPECT_EQ(found.code, CheckCommand::kFound);
    EXPECT_TRUE(found.out.startsWith(typo + QStringLiteral(":4: "))) << found.out.toStdString();
    EXPECT_EQ(found.out.count(u'\n'), 1);

    const CommandRun missing = runCheck({typo, folder.filePath(QStringLiteral("none.piano"))});
    EXPECT_EQ(missing.code, CheckCommand::kUnreadable);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("none.piano"))) << missing.err.toStdString();
}

} // namespace
