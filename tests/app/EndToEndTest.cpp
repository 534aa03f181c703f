// Whole runs of the program, from the entry procedure to the files left behind: what a user
// does across starts, checked on disk and at the MIDI output.
#include "ProgramRun.h"
#include "app/OptionsController.h"
#include "library/FavoritesStore.h"
#include "library/PlaylistFile.h"
#include "platform/GbkCodec.h"
#include "settings/OptionsModel.h"

#include <QFile>
#include <QTest>

namespace {

using Sent = RecordingMidiBackend::Sent;

// One quarter note of `digit` at 240 beats a minute: a quarter of a second each.
QByteArray oneNoteScore(char digit) {
    return QByteArray("%0\r\n!C\r\n?4/4\r\n$240\r\n") + digit + "+4\r\n";
}

struct EndToEndTest : ProgramRun {
    // The first start plays the sample; later starts do not, so runs after this one are quiet.
    void firstStart() {
        runProgram();
        midi.sent.clear();
        messages.shown.clear();
    }
    // The keys struck, in order: note-on messages with a velocity.
    QList<int> notesStruck() const {
        QList<int> notes;
        for (const Sent& s : midi.sent)
            if ((s.status & 0xF0) == 0x90 && s.data2 > 0) notes << s.data1;
        return notes;
    }
    static void waitUntilStopped(frmMain& main) {
        QTRY_VERIFY_WITH_TIMEOUT(main.features().transport.PlayState() != 0, 10000);
    }
};

TEST_F(EndToEndTest, AScoreFromTheCommandLinePlaysToTheEndWithTheExactMessages) {
    firstStart();
    dir.write("曲/两音.piano", "%0\r\n!C\r\n?4/4\r\n$240\r\n1+4\r\n5+4\r\n");
    runProgram(
        [&](frmMain& main) {
            main.features().menus.item(MenuEntry::ListSingle)->trigger(); // single: stop at the end
            waitUntilStopped(main);
        },
        {"tonvale", dir.file("曲/两音.piano")});
    // Bank and instrument 0, every key released as the score loads, the two notes (one octave
    // up at the default pitch shift) each released before the next sounds, and every key
    // released again at the end.
    ASSERT_EQ(midi.sent.size(), 2 + 88 + 4 + 88);
    EXPECT_EQ(midi.sent.mid(0, 2), (QList<Sent>{{0xB0, 0, 0}, {0xC0, 0, 0}}));
    const QList<Sent> releaseAll = midi.sent.mid(2, 88);
    for (const Sent& s : releaseAll) EXPECT_EQ(s.status, 0x80);
    EXPECT_EQ(midi.sent.mid(90, 4),
              (QList<Sent>{{0x80, 35, 0}, {0x90, 72, 127}, {0x80, 72, 0}, {0x90, 79, 127}}));
    EXPECT_EQ(midi.sent.mid(94), releaseAll);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(EndToEndTest, APlaylistOfThreeScoresPlaysThroughInOrderAndInALoop) {
    firstStart();
    QStringList scores;
    for (char digit : {'1', '2', '3'}) {
        const QString name = QStringLiteral("表/%1.piano").arg(QChar(digit));
        dir.write(name, oneNoteScore(digit));
        scores << dir.file(name);
    }
    ASSERT_TRUE(PlaylistFile::save(dir.file("表/三首.plist"), scores));
    const QStringList playlist{"tonvale", dir.file("表/三首.plist")};

    runProgram(
        [&](frmMain& main) {
            main.features().menus.item(MenuEntry::ListSequential)->trigger(); // in order
            EXPECT_EQ(main.features().playingList.entries(), scores);
            QTRY_COMPARE_WITH_TIMEOUT(notesStruck().size(), 3, 10000);
            waitUntilStopped(main);
        },
        playlist);
    EXPECT_EQ(notesStruck(), (QList<int>{72, 74, 76}));

    midi.sent.clear();
    runProgram(
        [&](frmMain& main) {
            main.features().menus.item(MenuEntry::ListLoop)->trigger(); // loop
            QTRY_VERIFY_WITH_TIMEOUT(notesStruck().size() >= 4, 10000);
        },
        playlist);
    EXPECT_EQ(notesStruck().mid(0, 4), (QList<int>{72, 74, 76, 72}));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

TEST_F(EndToEndTest, ASecondStartRestoresListsFavoritesRecentFilesOptionsAndKeyMap) {
    firstStart();
    const QString a = dir.file("a.piano"), b = dir.file("b.piano");
    dir.write("a.piano", oneNoteScore('1'));
    dir.write("b.piano", oneNoteScore('2'));
    runProgram([&](frmMain& main) {
        main.features().opener.playAllFiles(a, true, true);
        main.features().opener.playAllFiles(b, true, true);
        main.features().favorites.AddListEntry(a + " *1", "最爱", ListPair::DuplicateTest::OnDisplayNames);
        main.features().menus.item(MenuEntry::ViewListBar)->trigger(); // the list bar
        // Options as a user applies them: the title shows the file name only, the pointer no
        // longer follows the keys, and C4 is played with F5.
        OptionsModel options(*main.parts().optionsController, dir.paths(), messages);
        options.load(false);
        options.selectTitle(2);
        options.setCheck(OptionValues::MouseFollow, false);
        options.ShowPage(2);
        ASSERT_TRUE(options.captureKey(39, 116, false));
        options.apply();
        EXPECT_EQ(main.features().keyMap.strKeyName(39), QString("F5"));
    });
    EXPECT_EQ(PlaylistFile::load(PlaylistFile::playingListPath(dir.paths())), (QStringList{a, b}));
    EXPECT_EQ(FavoritesStore::load(FavoritesStore::path(dir.paths())).size(), 1);

    runProgram([&](frmMain& main) {
        EXPECT_EQ(main.features().playingList.entries(), (QStringList{a, b}));
        ASSERT_EQ(main.features().favorites.count(), 1);
        EXPECT_EQ(main.features().favorites.entry(0), a + " *1");
        EXPECT_EQ(main.features().favorites.displayText(0), QString("最爱"));
        EXPECT_EQ(main.features().recentFiles.lstRecentFullPath(), (QStringList{b, a}));
        EXPECT_EQ(main.features().options.intTitleOption, 2);
        EXPECT_FALSE(main.features().options.blnMouseFollow);
        EXPECT_EQ(main.features().keyMap.strKeyName(39), QString("F5"));
        EXPECT_TRUE(main.features().menus.item(MenuEntry::ViewListBar)->checked());
        // The Favorites menu has its entry again, after add, organise and the separator.
        EXPECT_EQ(main.features().menus.menu(Menu::Favorites).at(MainMenus::entriesOf(Menu::Favorites).size())->caption(), QString("最爱"));
        main.features().opener.playAllFiles(a, true, true);
        EXPECT_EQ(main.windowTitle(), QString("a"));
    });
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
}

} // namespace
