// The go-to dialog over a playing score: what it proposes, the range check and where playback
// goes on.
#include "TransportRig.h"
#include "score/frmGoTo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <gtest/gtest.h>

namespace {

class GoToDialog : public testing::Test {
protected:
    GoToDialog() : dialog(open(t)) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        QCoreApplication::processEvents();
    }
    frmGoTo& open(TransportRig& rig) {
        rig.load();
        rig.playToRow(3);
        return opened.emplace(rig.rig.engine, rig.transport, rig.rig.messages, nullptr);
    }
    void type(const QString& text) {
        dialog.txtRowNumber->clear();
        QTest::keyClicks(dialog.txtRowNumber, text);
    }
    TransportRig t;
    // Opened at row 3 of a playing score.
    std::optional<frmGoTo> opened;
    frmGoTo& dialog;
};

TEST_F(GoToDialog, ProposesTheShownRowAndTheRange) {
    EXPECT_EQ(dialog.windowTitle(), "转到...");
    EXPECT_EQ(dialog.Label1->text(), "请输入要转到的行号：");
    EXPECT_EQ(dialog.txtRowNumber->text(), "4");
    EXPECT_EQ(dialog.lblRowCount->text(), "(0 - 10)");
    EXPECT_EQ(dialog.btnOk->text(), "确定");
    EXPECT_EQ(dialog.btnCancel->text(), "取消");
    EXPECT_TRUE(dialog.btnOk->isEnabled());
    EXPECT_TRUE(dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // The focus timer has fired once: the whole text is selected.
    EXPECT_EQ(dialog.txtRowNumber->selectedText(), "4");
    EXPECT_FALSE(dialog.tmrSetFocus.isActive());
}

TEST_F(GoToDialog, PlaybackGoesOnWhileItIsOpen) {
    EXPECT_EQ(t.playToRow(5), 5);
    EXPECT_EQ(dialog.txtRowNumber->text(), "4");
}

TEST_F(GoToDialog, AcceptsDigitsOnly) {
    type("1a-2.b");
    EXPECT_EQ(dialog.txtRowNumber->text(), "12");
}

TEST_F(GoToDialog, ARowPastTheScoreIsRefusedAndTheDialogStays) {
    type("11");
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_EQ(t.rig.messages.texts(), QStringList({"错误：超出了当前乐谱的范围！"}));
    EXPECT_EQ(t.rig.messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(dialog.txtRowNumber->selectedText(), "11");
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 3);
}

TEST_F(GoToDialog, ConfirmingPlaysOnAfterTheTypedRow) {
    t.transport.clickButton(Transport::StopButton);
    type("6");
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 6);
    EXPECT_EQ(t.nextRow(), 7);
}

TEST_F(GoToDialog, TheLastRowEndsTheScoreAtTheNextTick) {
    type("10");
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_TRUE(t.rig.messages.shown.isEmpty());
    t.nextRow();
    EXPECT_EQ(t.transport.PlayState(), Transport::Stopped);
}

TEST_F(GoToDialog, AnEmptyTextStartsAgain) {
    type("");
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 0);
}

TEST_F(GoToDialog, AHugeNumberIsOutOfRange) {
    type(QString(400, '9'));
    QTest::mouseClick(dialog.btnOk, Qt::LeftButton);
    EXPECT_EQ(t.rig.messages.shown.size(), 1);
}

TEST_F(GoToDialog, CancelLeavesThePosition) {
    type("2");
    QTest::mouseClick(dialog.btnCancel, Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 3);
}

} // namespace
