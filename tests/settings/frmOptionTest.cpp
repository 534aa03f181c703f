#include "settings/frmOption.h"
#include "OptionsRig.h"
#include "controls/ButtonEx.h"
#include "controls/Tracker.h"
#include "settings/AppearancePage.h"
#include "settings/ContactLink.h"
#include "settings/KeyMapPage.h"
#include "settings/OptionTab.h"
#include "support/RecordingDesktopShell.h"

#include <QCheckBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTest>

namespace {

struct frmOptionTest : OptionsRig {
    frmOption& open(bool aboutRequested = false) {
        dialog = std::make_unique<frmOption>(host, services, aboutRequested, nullptr);
        dialog->show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(dialog.get()));
        return *dialog;
    }
    void click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
    }
    // Option buttons and check boxes answer on their mark and caption, not across their width.
    void click(QAbstractButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(8, button->height() / 2));
    }
    QLineEdit* box(int keyIndex) { return dialog->keyPage->txtKeyAscii[std::size_t(keyIndex)]; }

    RecordingDesktopShell shell;
    frmOption::Services services{folder.paths(), messages, shell,
                                 QStringLiteral("/nonexistent/tonvale")};
    std::unique_ptr<frmOption> dialog;
};

TEST_F(frmOptionTest, AboutOpensOnPageZeroAndTheViewMenuOnTheStoredPage) {
    OptionValues stored;
    stored.intCurrentTab = OptionsModel::KeyPage;
    storeOptions(stored);
    frmOption& about = open(true);
    EXPECT_EQ(about.pages->currentIndex(), 0);
    EXPECT_EQ(about.picForButton[0]->edgeStyle(), OptionTab::kEdgeSunken);
    EXPECT_EQ(about.picForButton[2]->edgeStyle(), OptionTab::kEdgeRaised);
    EXPECT_EQ(about.FrameStatic0->title(), QStringLiteral("关于"));
    EXPECT_TRUE(about.btnDefaultSetting->isHidden());
    EXPECT_TRUE(about.lblAbout->text().contains(QStringLiteral("版本：1.0.0")));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Tonvale -> 选项"));
    about.reject();

    frmOption& view = open(false);
    EXPECT_EQ(view.pages->currentIndex(), 2);
    EXPECT_EQ(view.FrameStatic0->title(), QStringLiteral("按键"));
    EXPECT_EQ(view.lblStatic4->text(), QStringLiteral("请点击按键进行修改"));
    EXPECT_FALSE(view.btnDefaultSetting->isHidden());
    click(view.picForButton[1]);
    EXPECT_EQ(view.pages->currentIndex(), 1);
    EXPECT_EQ(view.picForButton[1]->edgeStyle(), OptionTab::kEdgeSunken);
    EXPECT_NE(view.lblStatic4->text(), QStringLiteral("请点击按键进行修改"));
}

TEST_F(frmOptionTest, TheSliderDraggedToItsEndIsRefusedAndDisablesOk) {
    frmOption& form = open();
    click(form.picForButton[1]);
    Tracker* bar = form.appearance->trkAlphaBar;
    EXPECT_EQ(bar->Max(), 255);
    EXPECT_EQ(bar->LeftHeight(), 105);
    const int y = bar->height() / 2;
    QTest::mousePress(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, y));
    EXPECT_TRUE(form.model().blnAlphaDragging());
    QTest::mouseMove(bar, QPoint(bar->width() - 5, y));
    EXPECT_EQ(bar->Value(), 255);
    EXPECT_EQ(form.appearance->txtAlphaPercent->text(), QStringLiteral("100"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_FALSE(form.btnOk->isEnabled());
    EXPECT_FALSE(form.model().blnAlphaDragging());
    QTest::mouseRelease(bar, Qt::LeftButton, {}, QPoint(bar->width() - 5, y));
    EXPECT_LT(host.transparency(), 100);
}

TEST_F(frmOptionTest, TypingAPercentMovesTheSliderAndEnablesApply) {
    frmOption& form = open();
    click(form.picForButton[1]);
    QLineEdit* text = form.appearance->txtAlphaPercent;
    text->selectAll();
    QTest::keyClicks(text, QStringLiteral("50.5"));
    EXPECT_EQ(form.appearance->trkAlphaBar->Value(), 129);
    EXPECT_EQ(host.transparency(), 50);
    EXPECT_TRUE(form.btnApply->isEnabled());
    click(form.btnApply);
    EXPECT_FALSE(form.btnApply->isEnabled());
    EXPECT_EQ(OptionsSection::read(settingsFile())->alphaText, QStringLiteral("50.5"));
}

TEST_F(frmOptionTest, TheOptionButtonsReachTheWindowAndCancelTakesThemBack) {
    host.file = QStringLiteral("/乐谱/test.piano");
    frmOption& form = open();
    click(form.picForButton[1]);
    click(form.appearance->optMainTitle[2]);
    click(form.appearance->optPlayList[0]);
    click(form.appearance->chkOnlyOneApp);
    EXPECT_EQ(host.title, QStringLiteral("test"));
    EXPECT_EQ(host.programOptions.intPlayListOption, 0);
    EXPECT_FALSE(host.programOptions.blnOnlyRunOne);
    click(form.btnCancel);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(host.title, QStringLiteral("Tonvale"));
    EXPECT_EQ(host.programOptions.intPlayListOption, 1);
    EXPECT_TRUE(host.programOptions.blnOnlyRunOne);
    EXPECT_TRUE(settingsBytes().isEmpty());
}

TEST_F(frmOptionTest, RestoreDefaultsOnPageOneChecksTheBoxesAgain) {
    frmOption& form = open();
    click(form.picForButton[1]);
    click(form.appearance->chkMouseFollow);
    click(form.appearance->optMainTitle[3]);
    click(form.btnDefaultSetting);
    EXPECT_TRUE(form.appearance->chkMouseFollow->isChecked());
    EXPECT_TRUE(form.appearance->optMainTitle[1]->isChecked());
    EXPECT_TRUE(host.programOptions.blnMouseFollow);
}

TEST_F(frmOptionTest, AKeyIsCapturedOnReleaseInItsBox) {
    frmOption& form = open();
    click(form.picForButton[2]);
    click(form.keyPage->lblToKey[40]);
    EXPECT_EQ(form.keyPage->markedKey(), 40);
    EXPECT_TRUE(box(40)->hasFocus());
    EXPECT_EQ(box(40)->selectedText(), QStringLiteral("截屏"));

    QTest::keyClick(box(40), Qt::Key_Z, {}); // another box shows z
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("警告：该键值(z)已经被占用！"));
    EXPECT_EQ(box(40)->text(), QStringLiteral("截屏"));

    QTest::keyClick(box(40), Qt::Key_F5);
    EXPECT_EQ(box(40)->text(), QStringLiteral("F5"));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("F5"));
    EXPECT_TRUE(form.btnApply->isEnabled());
}

TEST_F(frmOptionTest, ThePedalBoxCapturesAKeyAndCoversNoKeyOrBox) {
    frmOption& form = open();
    click(form.picForButton[2]);
    QLineEdit* pedal = form.keyPage->txtPedal;
    ASSERT_TRUE(pedal->isVisible());
    EXPECT_EQ(pedal->text(), QString());
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        EXPECT_FALSE(pedal->geometry().intersects(box(i)->geometry())) << i;
        EXPECT_FALSE(pedal->geometry().intersects(form.keyPage->lblToKey[i]->geometry())) << i;
    }
    click(pedal);
    QTest::keyClick(pedal, Qt::Key_Z); // a note's key
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("警告：该键值(z)已经被占用！"));
    QTest::keyClick(pedal, Qt::Key_F7);
    EXPECT_EQ(pedal->text(), QStringLiteral("F7"));
    EXPECT_EQ(host.map.pedalKeyName(), QStringLiteral("F7"));
    EXPECT_TRUE(form.btnApply->isEnabled());
}

TEST_F(frmOptionTest, TabEscapeAndAccessKeysInABoxAreKeysToCapture) {
    frmOption& form = open();
    click(form.picForButton[2]);
    click(box(60));
    EXPECT_EQ(form.keyPage->markedKey(), 60);
    QTest::keyClick(box(60), Qt::Key_Escape);
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(box(60)->text(), QStringLiteral("Esc"));
    QTest::keyClick(box(60), Qt::Key_Tab);
    EXPECT_TRUE(box(60)->hasFocus());
    EXPECT_EQ(box(60)->text(), QStringLiteral("Tab"));
    // Alt+R is the access key of 还原默认设置(&R), which would put ".小" back into this box.
    QTest::keyClick(box(60), Qt::Key_R, Qt::AltModifier);
    EXPECT_EQ(box(60)->text(), QStringLiteral("Tab"));
    EXPECT_TRUE(messages.texts().contains(QStringLiteral("警告：该键值(r)已经被占用！")));
}

TEST_F(frmOptionTest, CapsLockIsReadFromTheLetterTyped) {
    frmOption& form = open();
    click(form.picForButton[2]);
    click(box(60));
    QTest::keyClick(box(60), Qt::Key_Q, {}); // without Shift: "q" is shown by key 51
    EXPECT_EQ(messages.shown.size(), 1);
    QTest::sendKeyEvent(QTest::KeyAction::Press, box(60), Qt::Key_Q, QStringLiteral("Q"), {});
    QTest::sendKeyEvent(QTest::KeyAction::Release, box(60), Qt::Key_Q, QStringLiteral("Q"), {});
    EXPECT_EQ(box(60)->text(), QStringLiteral("Q"))
        << "an upper-case letter without Shift: Caps Lock";
}

TEST_F(frmOptionTest, ALabelClickOutsideTheKeyPageDoesNothing) {
    frmOption& form = open();
    for (int page : {0, 1}) {
        click(form.picForButton[std::size_t(page)]);
        QTest::mouseClick(form.keyPage->lblToKey[40], Qt::LeftButton);
        EXPECT_EQ(form.keyPage->markedKey(), -1) << page;
        EXPECT_FALSE(box(40)->hasFocus());
    }
}

TEST_F(frmOptionTest, AContactLinkLightsUpAndOpensItsAddress) {
    frmOption& form = open(true);
    ContactLink* link = form.lblContact[0];
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QApplication::sendEvent(link, &enter);
    EXPECT_TRUE(link->isHighlighted());
    EXPECT_TRUE(link->font().underline());
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(link, &leave);
    EXPECT_FALSE(link->isHighlighted());
    click(link);
    ASSERT_EQ(shell.opened.size(), 1);
    EXPECT_EQ(shell.opened[0], link->target());
    EXPECT_EQ(messages.shown.size(), 1) << "the shell could not open it";
}

// Pictures of the three pages for a person to look at: TONVALE_OPTION_SHEETS=<folder>.
TEST_F(frmOptionTest, PicturesOfThePages) {
    const QString folderName = qEnvironmentVariable("TONVALE_OPTION_SHEETS");
    if (folderName.isEmpty()) GTEST_SKIP() << "set TONVALE_OPTION_SHEETS to a folder";
    host.file = QStringLiteral("/乐谱/test.piano");
    frmOption& form = open(true);
    for (int page = 0; page < 3; ++page) {
        click(form.picForButton[std::size_t(page)]);
        if (page == 2) {
            form.model().captureKey(87, 91, false); // the widest name there is
            click(form.keyPage->lblToKey[40]);
        }
        QTest::qWait(50);
        EXPECT_TRUE(form.grab().save(
            QDir(folderName).filePath(QStringLiteral("options-page%1.png").arg(page))));
    }
}

} // namespace
