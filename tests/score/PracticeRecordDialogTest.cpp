// View ▸ 练习记录's dialog: the playing score's runs newest first, a run added while it is open,
// and what it says when there is nothing to show.
#include "PracticeRuns.h"
#include "library/QStringPrinter.h"
#include "score/PracticeChart.h"
#include "score/PracticeRecord.h"
#include "score/frmPracticeRecord.h"
#include "support/TempProgramFolder.h"

#include <QLabel>
#include <QTableWidget>
#include <gtest/gtest.h>

namespace {

QStringList rowTexts(const QTableWidget& table, int row) {
    QStringList texts;
    for (int column = 0; column < table.columnCount(); ++column)
        texts << table.item(row, column)->text();
    return texts;
}

struct PracticeRecordDialogTest : testing::Test {
    PracticeRecordDialogTest() { folder.write("INI/.keep", {}); }

    TempProgramFolder folder;
    PracticeRecord record{PracticeRecord::path(folder.paths())};
    const QString score = folder.file("虞美人.piano");
};

TEST_F(PracticeRecordDialogTest, ShowsTheRunsNewestFirstAndARunAddedWhileOpen) {
    PracticeRun waited = practiceRun(15, 20, 1);
    waited.finished = QDateTime(QDate(2024, 5, 1), QTime(20, 31, 7));
    record.add(score, waited);
    record.add(folder.file("其他.piano"), practiceRun(1, 20, 2));
    frmPracticeRecord dialog(record, score, nullptr);
    ASSERT_EQ(dialog.table->rowCount(), 1);
    EXPECT_EQ(rowTexts(*dialog.table, 0),
              (QStringList{"2024-05-01 20:31", "等待正确的键", "100%", "全曲", "15 / 20 (75%)", "7",
                           "0", "", "7"}));

    record.add(score, practiceRun(17, 20, 3, true));
    ASSERT_EQ(dialog.table->rowCount(), 2);
    EXPECT_EQ(rowTexts(*dialog.table, 0),
              (QStringList{"2024-05-01 20:03", "按节拍", "80%", "第 5–28 行", "17 / 20 (85%)", "5",
                           "1", "平均 42 ms / 90% 88 ms", "8"}));
    EXPECT_EQ(dialog.chart->percents(), (QList<double>{75, 85}));
    EXPECT_FALSE(dialog.chart->accessibleName().isEmpty());
    EXPECT_TRUE(dialog.lblNote->text().startsWith("虞美人.piano：共 2 次练习"));
}

TEST_F(PracticeRecordDialogTest, SaysSoWhenThereIsNoScoreOrNoRun) {
    const frmPracticeRecord noScore(record, QString(), nullptr);
    EXPECT_EQ(noScore.lblNote->text(), "没有载入乐谱。");
    EXPECT_TRUE(noScore.table->isHidden());
    EXPECT_TRUE(noScore.chart->isHidden());
    const frmPracticeRecord noRun(record, score, nullptr);
    EXPECT_EQ(noRun.lblNote->text(), "这首乐谱还没有练习记录。");
    EXPECT_TRUE(noRun.table->isHidden());
}

} // namespace
