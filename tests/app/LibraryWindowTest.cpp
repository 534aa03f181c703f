// Opening files and the lists inside the whole main window: drops, File menu commands, the
// playing-list menu, keys on the lists, editing a score and the playing list between runs.
#include "app/LibraryController.h"
#include "app/frmMain.h"
#include "library/ListBar.h"
#include "library/ListBox.h"
#include "library/PlaylistFile.h"
#include "midi/SmfWriter.h"
#include "platform/AudioRenderer.h"
#include "platform/GbkCodec.h"
#include "platform/SteadyTimeSource.h"
#include "support/RecordingDesktopIntegration.h"
#include "support/RecordingDesktopShell.h"
#include "support/RecordingMessageSink.h"
#include "support/RecordingMidiBackend.h"
#include "support/RecordingSystemVolume.h"
#include "support/ScriptedFileDialogs.h"
#include "support/TempProgramFolder.h"

#include <QDialog>
#include <QMimeData>
#include <QTimer>
#include <QSignalSpy>
#include <QTest>
#include <QUrl>
#include <QWindow>
#include <gtest/gtest.h>

Q_GUI_EXPORT void qt_handleKeyEvent(QWindow* w, QEvent::Type t, int k, Qt::KeyboardModifiers mods,
                                    const QString& text, bool autorep, ushort count);

namespace {

// Renders nothing: the window's audio export only has to reach it with the score's notes.
struct CountingAudioRenderer : AudioRenderer {
    QString render(const QList<Event>& events, AudioFileFormat, QIODevice& out) override {
        notes = std::count_if(events.begin(), events.end(),
                              [](const Event& e) { return (e.message & 0xF0) == 0x90; });
        out.write("RIFF");
        return {};
    }
    qsizetype notes = -1;
};

struct Window {
    Window(TempProgramFolder& folder, ScriptedFileDialogs& dialogs, RecordingMessageSink& messages)
        : main({folder.paths(), backend, messages, shell, dialogs, clock, volume, desktop, {}, {},
                nullptr, &audio}) {
        main.load([](const QString&) {});
    }
    CountingAudioRenderer audio;
    RecordingMidiBackend backend;
    RecordingDesktopShell shell;
    SteadyTimeSource clock;
    RecordingSystemVolume volume;
    RecordingDesktopIntegration desktop;
    frmMain main;
};

struct LibraryWindowTest : testing::Test {
    LibraryWindowTest() {
        folder.write("INI/.keep", {});
        window = std::make_unique<Window>(folder, dialogs, messages);
        main().features().menus.item(MenuEntry::ViewListBar)->trigger(); // the list bar
        main().show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&main()));
    }
    frmMain& main() { return window->main; }
    ListBar& bar() { return *main().parts().library->listBar(); }
    QString score(const QString& name) {
        folder.write(name, GbkCodec::encode("$100\r\n?4/4\r\n1+4\r\n2+4"));
        return folder.file(name);
    }
    void drop(const QStringList& paths) {
        QMimeData data;
        QList<QUrl> urls;
        for (const QString& p : paths) urls << QUrl::fromLocalFile(p);
        data.setUrls(urls);
        const QPointF at(20, 20);
        QDragEnterEvent enter(at.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main(), &enter);
        EXPECT_TRUE(enter.isAccepted());
        QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&main(), &dropped);
        QCoreApplication::processEvents();
    }
    void clickItem(int list, int row) {
        ListBox* box = bar().lstPlayingList(list);
        QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, box->visualRect(bar().pair(list).index(row)).center());
    }

    TempProgramFolder folder;
    ScriptedFileDialogs dialogs;
    RecordingMessageSink messages;
    std::unique_ptr<Window> window;
};

TEST_F(LibraryWindowTest, DroppedScoresJoinThePlayingListAndAFolderIsAnnounced) {
    main().features().options.intPlayListOption = 2;
    const QStringList scores{score("一.piano"), score("二.piano"), score("三.piano")};
    drop(scores);
    EXPECT_EQ(main().features().playingList.entries(), scores);
    EXPECT_EQ(main().features().engine.score().strPlayingFile, scores[0]);
    EXPECT_EQ(main().windowTitle(), QString("Tonvale -> [一]"));

    QSignalSpy folders(main().parts().library, &LibraryController::folderDropped);
    folder.write("目录/.keep", {});
    drop({folder.file("目录")});
    ASSERT_EQ(folders.size(), 1);
    EXPECT_EQ(folders[0][0].toString(), folder.file("目录") + '/');
    EXPECT_EQ(main().features().playingList.entries(), scores);
}

TEST_F(LibraryWindowTest, OpenWithTheFavoritesActiveAddsToBothListsAndEnablesTheFileItems) {
    main().features().menus.item(MenuEntry::FileClose)->trigger(); // the first start's sample plays
    EXPECT_FALSE(main().features().menus.item(MenuEntry::FileSaveAs)->enabled());
    main().features().favorites.AddListEntry(score("收.piano"), "收藏", ListPair::DuplicateTest::OnDisplayNames);
    clickItem(1, 0);
    const QString chosen = score("选.piano");
    dialogs.openAnswers << QStringList{chosen};
    main().features().menus.item(MenuEntry::FileOpen)->trigger();
    EXPECT_EQ(main().features().favorites.count(), 2);
    EXPECT_EQ(main().features().playingList.entries(), QStringList{chosen});
    for (MenuEntry e : MainMenus::kNeedsScore)
        EXPECT_TRUE(main().features().menus.item(e)->enabled()) << int(e);
    main().features().menus.item(MenuEntry::FileClose)->trigger();
    for (MenuEntry e : MainMenus::kNeedsScore)
        EXPECT_FALSE(main().features().menus.item(e)->enabled()) << int(e);
}

TEST_F(LibraryWindowTest, AMidiFileOpensAsItsScoreAndTheScoreExportsAsMidi) {
    SmfWriter out(480);
    out.channelMessage(0, 0x90, 60, 100);
    out.channelMessage(480, 0x80, 60, 0);
    out.channelMessage(480, 0x90, 64, 100);
    out.channelMessage(960, 0x80, 64, 0);
    folder.write("曲.mid", out.finish());
    dialogs.openAnswers << QStringList{folder.file("曲.mid")};
    main().features().menus.item(MenuEntry::FileOpen)->trigger();
    const QString imported = folder.paths().dataPath() + "MIDI/曲.piano";
    EXPECT_EQ(main().features().engine.score().strPlayingFile, imported);
    EXPECT_EQ(main().features().playingList.entries(), QStringList{imported});
    EXPECT_EQ(main().features().engine.score().rows.size(), 7);

    dialogs.answers << folder.file("出.mid");
    main().features().menus.item(MenuEntry::FileExportMidi)->trigger();
    ASSERT_EQ(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0].defaultSuffix, QString("mid"));
    EXPECT_TRUE(folder.read("出.mid").startsWith("MThd"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Answers the modal dialog the next command opens, once it is shown.
void answerNextDialog(bool accept) {
    QTimer::singleShot(0, [accept] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr) << "no dialog opened";
        if (auto* d = qobject_cast<QDialog*>(dialog)) accept ? d->accept() : d->reject();
    });
}

TEST_F(LibraryWindowTest, TheLoadedScoreGoesToPaperPdfSoundAndMusicXmlFromTheFileMenu) {
    MainMenus& menus = main().features().menus;
    const QList<MenuEntry> exports{MenuEntry::FilePrint, MenuEntry::FileExportPdf,
                                   MenuEntry::FileExportAudio, MenuEntry::FileExportMusicXml};
    menus.item(MenuEntry::FileClose)->trigger(); // the first start's sample
    for (MenuEntry entry : exports) EXPECT_FALSE(menus.item(entry)->enabled());
    main().features().opener.playAllFiles(score("曲.piano"), true, true);
    for (MenuEntry entry : exports) EXPECT_TRUE(menus.item(entry)->enabled());

    answerNextDialog(false);
    menus.item(MenuEntry::FilePrint)->trigger();

    dialogs.answers << folder.file("曲.pdf");
    answerNextDialog(true);
    menus.item(MenuEntry::FileExportPdf)->trigger();
    EXPECT_TRUE(folder.read("曲.pdf").startsWith("%PDF"));

    dialogs.answers << folder.file("曲.wav");
    menus.item(MenuEntry::FileExportAudio)->trigger();
    EXPECT_EQ(window->audio.notes, 2);
    EXPECT_EQ(folder.read("曲.wav"), QByteArray("RIFF"));

    dialogs.answers << folder.file("曲.musicxml");
    menus.item(MenuEntry::FileExportMusicXml)->trigger();
    EXPECT_EQ(dialogs.asked.last().title, QString("导出为 MusicXML..."));
    const QByteArray xml = folder.read("曲.musicxml");
    EXPECT_TRUE(xml.contains("<work-title>曲</work-title>")) << xml.toStdString();
    EXPECT_EQ(xml.count("<pitch>"), 2);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LibraryWindowTest, TheMidiExportRefusesTheScoreItselfAndAScoreWithoutNotes) {
    const QString path = score("曲.piano");
    main().features().opener.playAllFiles(path, true, true);
    dialogs.answers << path;
    main().features().menus.item(MenuEntry::FileExportMidi)->trigger();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains("输入文件"))
        << messages.shown[0].text.toStdString();
    EXPECT_EQ(GbkCodec::decode(folder.read("曲.piano")), QString("$100\r\n?4/4\r\n1+4\r\n2+4"));

    folder.write("静.piano", GbkCodec::encode("$100\r\n?4/4\r\n0+4"));
    main().features().opener.playAllFiles(folder.file("静.piano"), true, true);
    main().features().menus.item(MenuEntry::FileExportMidi)->trigger();
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].text.contains("没有音符"));
    EXPECT_EQ(dialogs.asked.size(), 1); // no file is asked for
}

TEST_F(LibraryWindowTest, AMusicXmlFileOpensAsItsScore) {
    folder.write("曲.musicxml",
                 "<score-partwise><part-list><score-part id=\"P1\"><part-name>M</part-name>"
                 "</score-part></part-list><part id=\"P1\"><measure><attributes><divisions>1"
                 "</divisions></attributes><note><pitch><step>C</step><octave>5</octave></pitch>"
                 "<duration>1</duration></note><note><pitch><step>E</step><octave>5</octave>"
                 "</pitch><duration>1</duration></note></measure></part></score-partwise>");
    dialogs.openAnswers << QStringList{folder.file("曲.musicxml")};
    main().features().menus.item(MenuEntry::FileOpen)->trigger();
    const QString imported = folder.paths().dataPath() + "MusicXML/曲.piano";
    EXPECT_EQ(main().features().engine.score().strPlayingFile, imported);
    EXPECT_EQ(main().features().playingList.entries(), QStringList{imported});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LibraryWindowTest, ClearingThePlayingListClosesTheScoreAndLetsItBeAddedAgain) {
    const QString path = score("曲.piano");
    main().features().opener.playAllFiles(path, true, true);
    main().features().menus.item(MenuEntry::ListClear)->trigger();
    EXPECT_TRUE(main().features().playingList.isEmpty());
    EXPECT_EQ(main().features().transport.PlayState(), Transport::NoScore);
    EXPECT_EQ(main().windowTitle(), QString("Tonvale"));
    main().features().opener.playAllFiles(path, true, true);
    EXPECT_EQ(main().features().playingList.count(), 1);
}

TEST_F(LibraryWindowTest, TheDeleteKeyDeletesTheSelectedItemsAfterAsking) {
    for (const char* name : {"一.piano", "二.piano"})
        main().features().playingList.AddListEntry(score(name), {}, ListPair::DuplicateTest::OnEntries);
    clickItem(0, 1);
    qt_handleKeyEvent(main().windowHandle(), QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, {}, false, 1);
    qt_handleKeyEvent(main().windowHandle(), QEvent::KeyRelease, Qt::Key_Delete, Qt::NoModifier, {}, false, 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.endsWith("\r\n2.  二\r\n" + folder.file("二.piano")));
    EXPECT_EQ(main().features().playingList.entries(), QStringList{folder.file("一.piano")});
}

TEST_F(LibraryWindowTest, EditingAScoreHandsItsPathToTheEditorAsOneArgument) {
    const QByteArray oldPath = qgetenv("PATH");
    folder.write("bin/gedit", "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > \"$0.args\"\n");
    QFile::setPermissions(folder.file("bin/gedit"), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    qputenv("PATH", QFile::encodeName(folder.file("bin")));
    const QString path = score("带 空格 \"引号\" $(x).piano");
    main().features().playingList.AddListEntry(path + " *1", {}, ListPair::DuplicateTest::OnEntries);
    clickItem(0, 0);
    main().features().menus.item(MenuEntry::PopupEditScore)->trigger();
    qputenv("PATH", oldPath);
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(folder.file("bin/gedit.args")), 5000);
    QTRY_COMPARE_WITH_TIMEOUT(folder.read("bin/gedit.args"), path.toUtf8() + '\n', 5000);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(LibraryWindowTest, ThePlayingListIsThereAgainAtTheNextStart) {
    const QString a = score("一.piano"), b = score("二.piano");
    main().features().opener.playAllFiles(a, true, true);
    main().features().opener.playAllFiles(b + " *2", true, true);
    window.reset();
    EXPECT_EQ(PlaylistFile::load(PlaylistFile::playingListPath(folder.paths())), (QStringList{a, b + " *2"}));
    Window next(folder, dialogs, messages);
    EXPECT_EQ(next.main.features().playingList.entries(), (QStringList{a, b + " *2"}));
    EXPECT_EQ(next.main.features().playingList.displayText(1), QString("2.  二 *2"));
}

} // namespace
