// What the program tells a person in the whole main window: every writer of the status text goes
// through the one status line, an activity gives the bar back to the state as it is by then, and
// what must be seen stands as a notice over the keys even with the status bar hidden.
#include "app/BottomContainer.h"
#include "app/MainWindowRig.h"
#include "app/NoticeLabel.h"
#include "app/PianoKeyboard.h"
#include "app/StatusBarView.h"
#include "library/FolderScanCommands.h"
#include "score/PracticeRunText.h"

#include <QElapsedTimer>
#include <QLabel>
#include <QTest>
#include <QWindow>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace {

using StatusAndNoticeTest = MainWindowRig;

QString shown(frmMain& m) {
    return m.parts().statusBar->lblStatus->text();
}

// As the transport reports what playing does.
void report(frmMain& m, const QString& state) {
    emit m.features().engine.statusChanged(state);
}

TEST_F(StatusAndNoticeTest, EveryWriterReachesTheBarAndAnActivityGivesBackTheStateOfThen) {
    frmMain& m = start();
    FeatureObjects& f = m.features();
    f.menus.item(MenuEntry::PlayStop)->trigger();
    EXPECT_EQ(shown(m), QString("已停止"));

    emit f.sound.deviceNote(QStringLiteral("找不到上次使用的 MIDI 设备"));
    EXPECT_EQ(shown(m), QString("找不到上次使用的 MIDI 设备"));
    emit f.practiceRecord.statusMessage(QStringLiteral("错误：无法保存练习记录"));
    EXPECT_EQ(shown(m), QString("错误：无法保存练习记录"));
    EXPECT_EQ(f.status.notice(), QString("错误：无法保存练习记录"));

    f.recorder.BeginRecording({});
    EXPECT_EQ(shown(m), Recorder::statusText());
    report(m, QStringLiteral("已停止")); // the same state again, while the recording hides it
    EXPECT_EQ(shown(m), Recorder::statusText());
    f.recorder.DropRecording();
    EXPECT_EQ(shown(m), QString("已停止"));

    folder.write(QStringLiteral("songs/a.piano"), "1");
    m.parts().libraryMenus->scanDroppedFolder(folder.file(QStringLiteral("songs")));
    EXPECT_EQ(shown(m), FolderScanCommands::startingText());
    report(m, QStringLiteral("播放中"));
    QElapsedTimer guard;
    guard.start();
    while (m.parts().libraryMenus->scanFile().isScanning() && guard.elapsed() < 10000)
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    EXPECT_EQ(shown(m), QString("播放中"));
}

TEST_F(StatusAndNoticeTest, APracticeResultAndNoSoundAreSeenWithTheBarHiddenUntilTheNextKey) {
    frmMain& m = start(); // a first start: the status bar is hidden
    m.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&m));
    ASSERT_FALSE(m.parts().container->picStatusBar()->isVisible());
    NoticeLabel* notice = m.parts().notice;
    EXPECT_FALSE(notice->isVisible());

    PracticeRun run;
    run.notes = 4;
    run.rightFirstTime = 3;
    run.wrongStrikes = 1;
    run.longestRightRun = 2;
    emit m.features().engine.practiceFinished(run, QString());
    const QString result = PracticeRunText::result(run);
    EXPECT_EQ(result, QString("跟弹结束：首次弹对 3 个音符（75%），弹错 1 次，最长连对 2 个，速度 100%"));
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), result);
    EXPECT_EQ(shown(m), result); // the hidden bar has it too
    EXPECT_TRUE(m.parts().keyboard->geometry().contains(notice->geometry().center()));

    qt_handleKeyEvent(m.windowHandle(), QEvent::KeyPress, Qt::Key_A, {}, "a", false, 1);
    qt_handleKeyEvent(m.windowHandle(), QEvent::KeyRelease, Qt::Key_A, {}, "a", false, 1);
    EXPECT_FALSE(notice->isVisible());

    emit m.features().sound.soundOutputNoteChanged(SoundSettings::noSoundOutputText());
    EXPECT_TRUE(notice->isVisible());
    EXPECT_EQ(notice->text(), QString("没有声音输出：请在“设备”中选择一个设备"));
}

} // namespace
