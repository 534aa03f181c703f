// The record of practice progress on disk: what is written reads back whole, a file cut short
// anywhere reads as far as it is whole with one message, each score keeps its last 100 runs, and
// any path a score can have names it.
#include "score/PracticeRecord.h"
#include "PracticeRuns.h"
#include "library/QStringPrinter.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QSignalSpy>
#include <gtest/gtest.h>

namespace {

struct PracticeRecordTest : testing::Test {
    QString file() const { return PracticeRecord::path(folder.paths()); }

    TempProgramFolder folder;
    // Beyond GBK (four-byte sequences, and the character GB18030 moved), with a tab, a line
    // break and a backslash in the name.
    const QString strangePath = folder.file(QStringLiteral("乐谱/😀 ḿ\ta\nb\\c €.piano"));
    const QString plainPath = folder.file(QStringLiteral("乐谱/虞美人.piano"));
};

TEST_F(PracticeRecordTest, WhatIsAddedReadsBackWithItsBestAndLast) {
    folder.write("INI/.keep", {});
    const QList<PracticeRun> plain{practiceRun(15, 20, 1), practiceRun(18, 20, 2, true),
                                   practiceRun(18, 20, 3), practiceRun(9, 20, 4)};
    {
        PracticeRecord record(file());
        for (const PracticeRun& run : plain)
            EXPECT_TRUE(record.add(plainPath, run));
        EXPECT_TRUE(record.add(strangePath, practiceRun(3, 4, 5, true)));
    }
    PracticeRecord again(file());
    QSignalSpy messages(&again, &PracticeRecord::statusMessage);
    EXPECT_EQ(describe(again.runs(plainPath)), describe(plain));
    EXPECT_EQ(describe(again.runs(strangePath)),
              describe(QList<PracticeRun>{practiceRun(3, 4, 5, true)}));
    EXPECT_TRUE(again.runs(plainPath.toUpper()).isEmpty()) << "paths differ by letter case";
    EXPECT_TRUE(again.runs(folder.file("乐谱/其他.piano")).isEmpty());
    const PracticeRecord::Highlights h =
        again.highlights(folder.file("乐谱/./../乐谱/虞美人.piano"));
    EXPECT_EQ(describe(*h.best), describe(plain[2])) << "the later of two equal shares";
    EXPECT_EQ(describe(*h.last), describe(plain[3]));
    EXPECT_FALSE(again.highlights(folder.file("乐谱/其他.piano")).best);
    EXPECT_EQ(messages.count(), 0);
}

TEST_F(PracticeRecordTest, AFileCutShortAnywhereGivesAPrefixOfItsRunsAndOneMessage) {
    folder.write("INI/.keep", {});
    QList<PracticeRun> strangeRuns, plainRuns;
    {
        PracticeRecord record(file());
        for (int i = 0; i < 3; ++i) {
            strangeRuns << practiceRun(i, 4, i, i % 2);
            plainRuns << practiceRun(i + 5, 10, 10 + i, i % 2 == 0);
            record.add(strangePath, strangeRuns.last());
            record.add(plainPath, plainRuns.last());
        }
    }
    const QByteArray whole = folder.read("INI/练习记录.Practice");
    ASSERT_GT(whole.size(), 300);
    qsizetype before = 0;
    for (qsizetype cut = 0; cut <= whole.size(); ++cut) {
        SCOPED_TRACE(cut);
        folder.write("INI/练习记录.Practice", whole.left(cut));
        PracticeRecord record(file());
        QSignalSpy messages(&record, &PracticeRecord::statusMessage);
        const QList<PracticeRun> strange = record.runs(strangePath);
        const QList<PracticeRun> plain = record.runs(plainPath);
        record.runs(plainPath);
        EXPECT_EQ(describe(strange), describe(strangeRuns.first(strange.size())));
        EXPECT_EQ(describe(plain), describe(plainRuns.first(plain.size())));
        EXPECT_GE(strange.size() + plain.size(), before);
        before = strange.size() + plain.size();
        EXPECT_EQ(messages.count(), cut < whole.size() ? 1 : 0);
    }
    EXPECT_EQ(before, 6);
    EXPECT_EQ(folder.read("INI/练习记录.Practice.bak"), whole.left(whole.size() - 1))
        << "the damaged file is kept aside";
}

TEST_F(PracticeRecordTest, AScoreKeepsItsLast100Runs) {
    folder.write("INI/.keep", {});
    PracticeRecord record(file());
    QList<PracticeRun> added;
    for (int i = 0; i < 105; ++i) {
        added << practiceRun(i % 20, 20, i);
        record.add(plainPath, added.last());
    }
    record.add(strangePath, practiceRun(1, 2, 0));
    EXPECT_EQ(describe(record.runs(plainPath)), describe(added.mid(5)));
    EXPECT_EQ(describe(PracticeRecord(file()).runs(plainPath)), describe(added.mid(5)));
    EXPECT_EQ(PracticeRecord(file()).runs(strangePath).size(), 1);
}

TEST_F(PracticeRecordTest, RunsAddedByAnotherRunOfTheProgramAreKept) {
    folder.write("INI/.keep", {});
    PracticeRecord first(file());
    PracticeRecord second(file());
    EXPECT_TRUE(first.runs(plainPath).isEmpty());
    first.add(plainPath, practiceRun(1, 2, 1));
    second.add(plainPath, practiceRun(2, 2, 2));
    first.add(plainPath, practiceRun(0, 2, 3));
    EXPECT_EQ(PracticeRecord(file()).runs(plainPath).size(), 3);
}

TEST_F(PracticeRecordTest, RunsThatDoNotAddUpAreRefusedAndAFailedSaveIsReported) {
    PracticeRecord record(file());
    QSignalSpy messages(&record, &PracticeRecord::statusMessage);
    PracticeRun noNotes = practiceRun(0, 0, 1);
    PracticeRun tooMany = practiceRun(5, 4, 1);
    EXPECT_FALSE(record.add(plainPath, noNotes));
    EXPECT_FALSE(record.add(plainPath, tooMany));
    EXPECT_FALSE(record.add(QString(), practiceRun(1, 2, 1)));
    EXPECT_EQ(messages.count(), 0);
    EXPECT_FALSE(record.add(plainPath, practiceRun(1, 2, 1))) << "no INI folder to write in";
    ASSERT_EQ(messages.count(), 1);
    EXPECT_TRUE(messages[0][0].toString().startsWith("错误：无法保存练习记录"));
    EXPECT_EQ(record.runs(plainPath).size(), 1) << "kept for this run of the program";
}

} // namespace
