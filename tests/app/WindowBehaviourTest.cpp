// The main window as a window: its bars, topmost, moving it, the volume slider and mute button,
// and the Help menu.
#include "app/BottomContainer.h"
#include "app/MainWindowRig.h"
#include "app/PianoKeyboard.h"
#include "controls/ButtonEx.h"
#include "controls/Volume.h"
#include "score/ScoreView.h"

#include <QScrollBar>

#include <QTest>

namespace {

using WindowBehaviourTest = MainWindowRig;

class BarToggle : public MainWindowRig, public testing::WithParamInterface<int> {};

TEST_P(BarToggle, HidingAndShowingABarReturnsTheWindowToItsHeight) {
    frmMain& m = start();
    const int height = m.height();
    const auto bar = BottomContainer::Bar(GetParam());
    MenuItem* entry = m.features().menus.item(MainMenus::kBarToggles[size_t(GetParam())]);
    entry->trigger();
    EXPECT_TRUE(m.parts().container->isBarVisible(bar));
    EXPECT_EQ(m.height(), height + twipsToPixels(BottomContainer::barHeightTwips(bar)));
    entry->trigger();
    EXPECT_FALSE(m.parts().container->isBarVisible(bar));
    EXPECT_EQ(m.height(), height);
}

INSTANTIATE_TEST_SUITE_P(EveryBar, BarToggle, testing::Values(0, 1, 2, 3, 4));

TEST_F(WindowBehaviourTest, TheScoreBarFollowsTheEngineAndAClickPlaysFromTheNote) {
    frmMain& m = start(); // a first start loads the sample
    ScoreView* view = m.parts().scoreView;
    EXPECT_TRUE(view->notation().items().isEmpty()); // the hidden bar is built when shown
    m.features().menus.item(MenuEntry::ViewScoreBar)->trigger();
    ASSERT_GT(view->notation().items().size(), 100);
    const qsizetype item = 5;
    const qint32 row = view->notation().items()[item].row;
    const QRect cell =
        view->layout().cellRect(item).translated(0, -view->verticalScrollBar()->value());
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, cell.center());
    EXPECT_EQ(m.features().engine.lngCurrentRow(), row - 1);
    EXPECT_EQ(m.features().transport.PlayState(), Transport::Playing);
    emit m.features().engine.progressValueChanged(row);
    EXPECT_EQ(view->playedRow(), row - 1);
    m.features().menus.item(MenuEntry::FileClose)->trigger(); // File ▸ Close
    EXPECT_TRUE(view->notation().items().isEmpty());
}

TEST_F(WindowBehaviourTest, TheMuteButtonMutesAndUnmutesAndGreysTheLouderAndSofterEntries) {
    frmMain& m = start();
    m.features().menus.item(MenuEntry::ViewControlBar)->trigger(); // the control bar holds the button
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    ButtonEx* mute = m.parts().windowSettings->btnMute();
    Volume* slider = m.parts().windowSettings->volSystemVolume();
    ASSERT_TRUE(mute->isVisible());

    QTest::mouseClick(mute, Qt::LeftButton);
    EXPECT_EQ(slider->volume(), 0);
    EXPECT_EQ(slider->toolTip(), QString("0%"));
    EXPECT_FALSE(slider->isEnabled());
    EXPECT_TRUE(m.features().menus.item(MenuEntry::VolumeMute)->checked());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::VolumeUp)->enabled());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::VolumeDown)->enabled());
    EXPECT_EQ(volume.positions.last(), 0);

    QTest::mouseClick(mute, Qt::LeftButton);
    EXPECT_EQ(slider->volume(), 520);
    EXPECT_EQ(slider->toolTip(), QString("55%"));
    EXPECT_TRUE(slider->isEnabled());
    EXPECT_FALSE(m.features().menus.item(MenuEntry::VolumeMute)->checked());
    EXPECT_TRUE(m.features().menus.item(MenuEntry::VolumeUp)->enabled());
    EXPECT_EQ(volume.positions.last(), 520);

    // The menu entry and the button stay in step.
    m.features().menus.item(MenuEntry::VolumeMute)->trigger();
    EXPECT_EQ(mute->Value(), 0);
    EXPECT_EQ(slider->volume(), 0);
}

TEST_F(WindowBehaviourTest, TheTopmostEntriesAndTheWhilePlayingRule) {
    frmMain& m = start();
    const MainMenus& menus = m.features().menus;
    const auto topmost = [&menus](MenuEntry rule) { return menus.item(rule); };
    m.features().transport.clickButton(Transport::StopButton); // the first start's sample
    EXPECT_FALSE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    topmost(MenuEntry::TopmostAlways)->trigger();
    EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(topmost(MenuEntry::TopmostWhilePlaying)->checked());
    topmost(MenuEntry::TopmostNever)->trigger();
    EXPECT_FALSE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    // "While playing" raises the window at once, and the next stop lowers it again.
    topmost(MenuEntry::TopmostWhilePlaying)->trigger();
    EXPECT_TRUE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    m.features().transport.clickButton(Transport::PlayButton);
    m.features().transport.clickButton(Transport::StopButton);
    EXPECT_FALSE(m.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    for (MenuEntry rule : MainMenus::kTopmostRules)
        EXPECT_EQ(topmost(rule)->checked(), rule == MenuEntry::TopmostWhilePlaying);
}

TEST_F(WindowBehaviourTest, PressingTheBackgroundOrABarMovesTheWindowButNotPressingAControl) {
    frmMain& m = start();
    int drags = 0;
    m.parts().windowSettings->setDragHandler([&](QWidget* window) {
        EXPECT_EQ(window, &m);
        ++drags;
    });
    m.features().menus.item(MenuEntry::ViewStatusBar)->trigger();
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    QTest::mousePress(m.parts().container->picStatusBar(), Qt::RightButton, {}, QPoint(m.width() - 3, 3));
    EXPECT_EQ(drags, 1);
    QTest::mousePress(m.centralWidget(), Qt::LeftButton, {}, QPoint(m.width() - 3, 3));
    EXPECT_EQ(drags, 2);
    QTest::mousePress(m.parts().keyboard, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(drags, 2);
}

TEST_F(WindowBehaviourTest, HelpOpensTheManualBesideTheProgramOrSaysItIsMissing) {
    frmMain& m = start();
    m.features().menus.item(MenuEntry::HelpContents)->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text,
              QString("错误：帮助文件不存在！请确认您已经取得了帮助文件！"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.shown[0].systemModal);
    EXPECT_TRUE(shell.opened.isEmpty());

    folder.write("帮助.html", "<html></html>");
    shell.succeed = true;
    m.features().menus.item(MenuEntry::HelpContents)->trigger();
    EXPECT_EQ(shell.opened, QStringList{folder.file("帮助.html")});
    EXPECT_EQ(messages.shown.size(), 1);

    m.features().menus.item(MenuEntry::HelpCheckUpdates)->trigger();
    EXPECT_EQ(messages.texts().last(), QString("添加代码：检查更新(&U)..."));
    EXPECT_EQ(messages.shown.last().icon, MessageIcon::Information);

    // The two contact entries and the home page open in the desktop's own programs.
    for (MenuEntry entry : {MenuEntry::HelpContact, MenuEntry::HelpMail, MenuEntry::HelpHomePage})
        m.features().menus.item(entry)->trigger();
    ASSERT_EQ(shell.opened.size(), 4);
    EXPECT_TRUE(shell.opened[1].startsWith("https://"));
    EXPECT_TRUE(shell.opened[2].startsWith("mailto:"));
    EXPECT_TRUE(shell.opened[3].startsWith("https://"));
}

TEST_F(WindowBehaviourTest, AnInstalledProgramFindsItsManualUnderShareDoc) {
    folder.write("bin/INI/.keep", {});
    folder.write("share/doc/tonvale/帮助.html", "<html></html>");
    frmMain& m = start(AppPaths(folder.file("bin"), folder.file("bin")));
    shell.succeed = true;
    m.features().menus.item(MenuEntry::HelpContents)->trigger();
    EXPECT_EQ(shell.opened, QStringList{folder.file("share/doc/tonvale/帮助.html")});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(WindowBehaviourTest, TheVolumeMenuStepsTheSliderAndItsTooltip) {
    frmMain& m = start();
    Volume* slider = m.parts().windowSettings->volSystemVolume();
    slider->setVolume(920);
    m.features().menus.item(MenuEntry::VolumeUp)->trigger();
    EXPECT_EQ(slider->volume(), 930);
    EXPECT_EQ(slider->toolTip(), QString("100%"));
    slider->setVolume(10);
    m.features().menus.item(MenuEntry::VolumeDown)->trigger();
    EXPECT_EQ(slider->volume(), 0);
    EXPECT_EQ(volume.positions.last(), 0);
}

} // namespace
