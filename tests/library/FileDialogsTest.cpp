// The open-location dialog and the properties dialog.
#include "LibraryRig.h"
#include "QStringPrinter.h"
#include "library/frmOpenURL.h"
#include "library/frmProperties.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct OpenURLTest : testing::Test {
    LibraryRig rig;
    frmOpenURL dialog{rig.commands, rig.dialogs, nullptr};
};

TEST_F(OpenURLTest, OkWaitsForAnEditAndTheHistoryLeavesTheFieldEmpty) {
    dialog.setHistory({"/m/新.piano", "/m/旧.piano *4"});
    EXPECT_EQ(dialog.windowTitle(), QString("打开 URL"));
    EXPECT_EQ(dialog.cmbURL->count(), 2);
    EXPECT_EQ(dialog.cmbURL->itemText(1), QString("/m/旧.piano *4"));
    EXPECT_EQ(dialog.cmbURL->currentText(), QString());
    EXPECT_FALSE(dialog.btnOk->isEnabled());
    QTest::keyClicks(dialog.cmbURL->lineEdit(), "x");
    EXPECT_TRUE(dialog.btnOk->isEnabled());
}

TEST_F(OpenURLTest, BrowsingFillsTheFieldAndOkOpensIt) {
    const QString path = rig.score("浏览.piano", 4);
    rig.dialogs.openAnswers << QStringList{path};
    dialog.btnBrowse->click();
    ASSERT_EQ(rig.dialogs.openAsked.size(), 1);
    EXPECT_FALSE(rig.dialogs.openAsked[0].multiple);
    EXPECT_EQ(dialog.cmbURL->currentText(), path);
    dialog.btnOk->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(rig.engine().score().strPlayingFile, path);
    EXPECT_EQ(rig.playing.entries(), QStringList{path});
}

TEST_F(OpenURLTest, AQuotedPathEndsInTheUnknownFormatMessage) {
    const QString path = rig.score("引号.piano");
    dialog.cmbURL->setEditText('"' + path + '"');
    dialog.btnOk->click();
    EXPECT_EQ(rig.texts(), QStringList{"错误：未知文件格式！"});
    EXPECT_FALSE(rig.engine().hasScore());
}

TEST(Properties, ShowPathSizeTimeAndWhatTheScoreHolds) {
    FileProperties p;
    p.path = "/m/曲.piano";
    p.exists = true;
    p.size = 2048;
    p.modified = QDateTime(QDate(2026, 3, 4), QTime(5, 6, 7));
    p.isScore = true;
    p.scoreInfo = "乐 器：钢琴\r\n音 调：C\r\n节 拍：4/4\r\n速 度：90 拍/分钟";
    p.rowCount = 120;
    p.estimatedTime = "01:20.00";
    p.findings = {{4, 5, "时值 \"i\" 读作 0"}, {9, 12, "\"x\" 不是音符名"}};
    const frmProperties dialog(p, nullptr);
    EXPECT_EQ(dialog.value("位置："), QString("/m/曲.piano"));
    EXPECT_EQ(dialog.value("大小："), QString("2,048 字节 (2.0 kB)"));
    EXPECT_EQ(dialog.value("修改时间："), QString("2026-03-04 05:06:07"));
    EXPECT_EQ(dialog.value("乐 器："), QString("钢琴"));
    EXPECT_EQ(dialog.value("速 度："), QString("90 拍/分钟"));
    EXPECT_EQ(dialog.value("行 数："), QString("120"));
    EXPECT_EQ(dialog.value("估计时间："), QString("01:20.00"));
    EXPECT_EQ(dialog.value("检 查："), QString("第 5 行：时值 \"i\" 读作 0\n第 12 行：\"x\" 不是音符名"));
    p.findings.clear();
    EXPECT_EQ(frmProperties(p, nullptr).value("检 查："), QString("没有发现问题"));
    p.isScore = false;
    EXPECT_EQ(frmProperties(p, nullptr).value("行 数："), QString());
}

} // namespace
