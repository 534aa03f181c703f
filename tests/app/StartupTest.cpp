#include "ProgramRun.h"
#include "app/BottomContainer.h"
#include "app/MenuBarView.h"
#include "core/Twips.h"
#include "app/frmMain.h"
#include "core/NoteTable.h"
#include "library/PlaylistFile.h"
#include "platform/GbkCodec.h"
#include "platform/SingleInstance.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingSystemVolume.h"
#include "support/RecordingMidiBackend.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QMainWindow>
#include <QDir>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

constexpr auto kWritable = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther;

using StartupTest = ProgramRun;

TEST_F(StartupTest, AFirstStartCreatesTheFoldersAndAReadOnlyNoteMap) {
    bool shown = false;
    EXPECT_EQ(runProgram([&](frmMain& main) {
                  shown = main.isVisible();
                  EXPECT_EQ(main.features().noteTable.strNoteName(39), QString("1"));
                  EXPECT_EQ(main.features().sound.intYindiao(), 36);
                  // The sample plays once without joining the lists, and is gone again.
                  EXPECT_EQ(main.features().engine.lngTotalRow(), 266);
                  EXPECT_TRUE(main.features().engine.isTimerRunning());
                  EXPECT_TRUE(main.features().playingList.isEmpty());
                  EXPECT_TRUE(main.features().recentFiles.isEmpty());
                  EXPECT_FALSE(QFile::exists(dir.file("Vellmor《虞美人》.piano")));
              }),
              0);
    EXPECT_TRUE(shown);
    EXPECT_TRUE(QFileInfo(dir.file("INI")).isDir());
    EXPECT_TRUE(QFileInfo(dir.file("ICON")).isDir());
    EXPECT_EQ(dir.read("INI/简谱音符映射.INI"), DefaultFileBytes(NoteTable::kNoteMapResource));
    EXPECT_EQ(QFile::permissions(dir.file("INI/简谱音符映射.INI")) & kWritable, 0);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(StartupTest, AScoreNamedOnTheCommandLineIsOpenedAndPlays) {
    dir.write("乐谱 目录/小曲.piano", "%0\r\n!C\r\n?4/4\r\n$120\r\n1+4\r\n2+4\r\n");
    MStart::run({"tonvale", dir.file("乐谱 目录/小曲.piano")}, options([&](frmMain& main) {
                    EXPECT_EQ(main.features().engine.lngTotalRow(), 7); // the final CR LF ends in an empty row
                    EXPECT_EQ(main.features().playingList.entries(), QStringList{dir.file("乐谱 目录/小曲.piano")});
                    EXPECT_EQ(main.windowTitle(), QString("Tonvale -> [小曲]"));
                    QApplication::quit();
                }));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(StartupTest, ARelativePathOnTheCommandLineIsStoredAbsolute) {
    dir.write("乐谱 目录/小曲.piano", "1+4\r\n");
    const QString score = dir.file("乐谱 目录/小曲.piano");
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.file("乐谱 目录")));
    MStart::run({"tonvale", "./../乐谱 目录/小曲.piano"}, options([&](frmMain& main) {
                    EXPECT_EQ(main.features().playingList.entries(), QStringList{score});
                    QApplication::quit();
                }));
    QDir::setCurrent(before);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(StartupTest, AMissingFileOnTheCommandLineIsReported) {
    MStart::run({"tonvale", dir.file("没有.piano")}, options([](frmMain&) { QApplication::quit(); }));
    EXPECT_EQ(messages.texts(), QStringList{"错误：文件不存在！请确认文件位置！"});
}

TEST_F(StartupTest, AHandEditOfTheNoteMapIsUndoneAtTheNextStart) {
    runProgram();
    const QString map = dir.file("INI/简谱音符映射.INI");
    QFile::setPermissions(map, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    dir.write("INI/简谱音符映射.INI", GbkCodec::encode("[简谱音符映射]\r\n39=x\r\n"));
    runProgram([](frmMain& main) { EXPECT_EQ(main.features().noteTable.strNoteName(39), QString("1")); });
    EXPECT_EQ(dir.read("INI/简谱音符映射.INI"), DefaultFileBytes(NoteTable::kNoteMapResource));
}

TEST_F(StartupTest, ASecondStartWithOneInstanceAllowedWarnsAndEnds) {
    bool secondShown = false;
    bool firstActivated = false;
    runProgram([&](frmMain& first) {
        RecordingMessageSink secondMessages;
        RecordingMidiBackend secondMidi;
        ScriptedFileDialogs dialogs;
        RecordingSystemVolume secondVolume;
        RecordingDesktopIntegration secondDesktop;
        MStart::StartOptions second{dir.paths(), &secondMessages, &secondMidi, &dialogs,
                                    [&](frmMain&) { secondShown = true; }, &secondVolume, &secondDesktop};
        EXPECT_EQ(MStart::run({"tonvale"}, second), 0);
        ASSERT_EQ(secondMessages.shown.size(), 1);
        EXPECT_EQ(secondMessages.shown[0].text, QString("对不起，您设置只允许运行一个程序实例！程序已经在运行！"));
        EXPECT_EQ(secondMessages.shown[0].title, QString("Quillon - Tonvale 电脑钢琴"));
        EXPECT_EQ(secondMessages.shown[0].icon, MessageIcon::Warning);
        // The first instance hears the second one in its event loop.
        QEventLoop wait;
        QTimer::singleShot(2000, &wait, &QEventLoop::quit);
        QObject::connect(&first, &frmMain::broughtToFront, &wait, [&] {
            firstActivated = true;
            wait.quit();
        });
        wait.exec();
    });
    EXPECT_FALSE(secondShown);
    EXPECT_TRUE(firstActivated);
}

TEST(SingleInstance, ASocketLeftByACrashedRunDoesNotStopTheNextStart) {
    TempProgramFolder dir;
    SingleInstance crashed(dir.path());
    // What a crash leaves: the socket file, with nobody listening.
    const QString path = QDir::tempPath() + '/' + crashed.serverName();
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    qstrncpy(address.sun_path, QFile::encodeName(path).constData(), sizeof(address.sun_path));
    ASSERT_EQ(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)), 0);
    ::close(fd);
    ASSERT_TRUE(QFile::exists(path));

    SingleInstance next(dir.path());
    EXPECT_FALSE(next.earlierInstanceRunning());
    EXPECT_TRUE(next.listen());
    EXPECT_TRUE(SingleInstance(dir.path()).earlierInstanceRunning());
}

} // namespace

namespace {

TEST(MenuBarView, TheMenuBarMirrorsTheModelAndAClickTriggersTheEntry) {
    QMainWindow window;
    MainMenus menus;
    MenuBarView view(menus, window.menuBar(), &window);
    const QList<QAction*> top = window.menuBar()->actions();
    ASSERT_EQ(top.size(), 5);
    EXPECT_EQ(top[0]->text(), QString("文件(&F)"));
    QMenu* play = top[1]->menu();
    QAction* stop = play->actions().at(1);
    EXPECT_EQ(stop->text(), QString("停止(&S)"));
    menus.item(MenuEntry::PlayStop)->setEnabled(false);
    EXPECT_FALSE(stop->isEnabled());
    int stops = 0;
    QObject::connect(menus.item(MenuEntry::PlayStop), &MenuItem::triggered, [&] { ++stops; });
    menus.item(MenuEntry::PlayStop)->setEnabled(true);
    stop->trigger();
    EXPECT_EQ(stops, 1);
    // Qt's own toggling never wins over the model.
    EXPECT_FALSE(stop->isChecked());
    menus.item(MenuEntry::PlayStop)->setChecked(true);
    EXPECT_TRUE(stop->isChecked());
    QAction* recent = top[0]->menu()->actions().at(2);
    ASSERT_NE(recent->menu(), nullptr);
    menus.menu(Menu::RecentFiles).append("&0 歌");
    EXPECT_EQ(recent->menu()->actions().last()->text(), QString("&0 歌"));
}

} // namespace

namespace {

TEST_F(StartupTest, ShowingAndHidingABarGrowsAndShrinksTheWindowByItsHeight) {
    runProgram([](frmMain& main) {
        const int height = main.height();
        MenuItem* statusBar = main.features().menus.item(MenuEntry::ViewStatusBar);
        statusBar->trigger();
        EXPECT_TRUE(statusBar->checked());
        EXPECT_TRUE(main.parts().container->isBarVisible(BottomContainer::Bar::Status));
        EXPECT_EQ(main.height(), height + twipsToPixels(BottomContainer::kStatusHeight));
        statusBar->trigger();
        EXPECT_FALSE(main.parts().container->isBarVisible(BottomContainer::Bar::Status));
        EXPECT_EQ(main.height(), height);
    });
}

} // namespace

namespace {

TEST_F(StartupTest, TheTransportDrivesTheSampleFromTheMenusAndCloseEndsIt) {
    runProgram([](frmMain& main) {
        MainMenus& menus = main.features().menus;
        // A picture of the window with every bar shown and the sample half way, to look at.
        if (const QByteArray sheet = qgetenv("TONVALE_WINDOW_SHEET"); !sheet.isEmpty()) {
            for (MenuEntry bar : {MenuEntry::ViewProgressBar, MenuEntry::ViewControlBar,
                                  MenuEntry::ViewListBar, MenuEntry::ViewStatusBar})
                menus.item(bar)->trigger();
            main.features().transport.progressMouseDown();
            main.features().transport.progressMouseUp(133);
            QTest::qWait(1500); // a few rows, holds included
            main.grab().save(QString::fromLocal8Bit(sheet));
        }
        EXPECT_EQ(main.features().transport.PlayState(), Transport::Playing);
        EXPECT_TRUE(menus.item(MenuEntry::FileClose)->enabled());
        menus.item(MenuEntry::PlayStop)->trigger(); // 停止
        EXPECT_EQ(main.features().transport.PlayState(), Transport::Stopped);
        EXPECT_EQ(main.features().engine.lngCurrentRow(), 0);
        menus.item(MenuEntry::PlayPause)->trigger(); // 播放/暂停
        EXPECT_EQ(main.features().transport.PlayState(), Transport::Playing);
        menus.item(MenuEntry::FileClose)->trigger(); // 关闭
        EXPECT_EQ(main.features().transport.PlayState(), Transport::NoScore);
        EXPECT_FALSE(menus.item(MenuEntry::FileClose)->enabled());
        EXPECT_FALSE(menus.item(MenuEntry::PlayPause)->enabled());
        EXPECT_EQ(main.windowTitle(), QString("Tonvale"));
    });
}

} // namespace

namespace {

TEST_F(StartupTest, AFirstStartChecksItsMenuDefaultsAndTheModesFollowTheMenu) {
    runProgram([](frmMain& main) {
        MainMenus& menus = main.features().menus;
        EXPECT_TRUE(menus.item(MenuEntry::TopmostWhilePlaying)->checked());
        EXPECT_TRUE(menus.item(MenuEntry::ListLoop)->checked());
        EXPECT_TRUE(menus.item(MenuEntry::CompletedNothing)->checked());
        EXPECT_EQ(main.features().engine.listMode(), EndOfScore::ListMode::Loop);
        EXPECT_EQ(main.features().engine.completionAction(), EndOfScore::CompletionAction::Nothing);
        menus.item(MenuEntry::ListSequential)->trigger();
        EXPECT_EQ(main.features().engine.listMode(), EndOfScore::ListMode::Sequential);
        EXPECT_FALSE(menus.item(MenuEntry::ListLoop)->checked());
        EXPECT_TRUE(menus.item(MenuEntry::ListSequential)->checked());
        // Playing while "播放时(&P)" is checked keeps the window on top.
        EXPECT_TRUE(main.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    });
}

} // namespace

namespace {

// The name is one GBK cannot hold: the recording plays back, and its name is kept whole.
TEST_F(StartupTest, ARecordingSavedFromTheStatusLabelPlaysBackWithTheSameNotes) {
    const QString saved = dir.file("录音 ♫ 노래.piano");
    dialogs.answers << saved;
    runProgram([&](frmMain& main) {
        main.features().transport.clickButton(Transport::StopButton); // no sample in the way
        main.features().recorder.StartRecording();
        main.features().recorder.BeginRecording({0, "C", "4/4", "60"});
        for (int key : {39, 41, 43, 39}) {
            main.features().pointer.pointerPressed(key);
            main.features().pointer.pointerReleased(key);
        }
        main.features().recorder.SaveFromStatusClick();
        EXPECT_FALSE(main.features().recorder.IsRecording());
        main.features().opener.playAllFiles(saved, true, true);
        QList<int> keys;
        for (const ScoreRow& row : main.features().engine.score().rows)
            if (row.KeyIndex >= 0 && row.KeyIndex < 88) keys << row.KeyIndex;
        EXPECT_EQ(keys, (QList<int>{39, 41, 43, 39}));
        EXPECT_EQ(main.features().engine.TempoBpm(), 60);
        EXPECT_EQ(main.features().engine.BeatUnit(), 4);
        EXPECT_TRUE(main.windowTitle().contains("录音 ♫ 노래")) << main.windowTitle().toStdString();
    });
    EXPECT_EQ(PlaylistFile::load(PlaylistFile::playingListPath(dir.paths())), QStringList{saved});
    const QStringList rows = GbkCodec::decode(dir.read("录音 ♫ 노래.piano")).split("\r\n");
    ASSERT_EQ(rows.size(), 10); // four header rows, the caption, four notes, the empty last row
    EXPECT_EQ(rows.mid(0, 5), (QStringList{"%0", "!C", "?4/4", "$60", "#版权所有 (C) 2026 Quillon"}));
    EXPECT_TRUE(rows[5].startsWith("1+"));
    EXPECT_TRUE(rows[6].startsWith("2+"));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace
