// The practice record in the main window: View ▸ 练习记录 and the properties show the playing
// score's runs, a finished run is kept, and a damaged record says so in the status bar.
#include "MainWindowRig.h"
#include "ModalDialog.h"
#include "app/StatusBarView.h"
#include "library/frmProperties.h"
#include "score/frmPracticeRecord.h"

#include <QLabel>
#include <QTableWidget>

namespace {

struct PracticeRecordWindowTest : MainWindowRig {
    static PracticeRun run(int rightFirstTime, int minute) {
        PracticeRun run;
        run.finished = QDateTime(QDate(2024, 5, 1), QTime(20, minute));
        run.notes = 20;
        run.rightFirstTime = rightFirstTime;
        return run;
    }
    MenuItem* entry(MenuEntry name) { return main->features().menus.item(name); }
};

TEST_F(PracticeRecordWindowTest, TheViewEntryAndThePropertiesShowThePlayingScoresRuns) {
    start();
    const QString path = score("练习.piano");
    main->features().opener.playAllFiles(path, true, true);
    ASSERT_TRUE(entry(MenuEntry::ViewPracticeRecord)->enabled());
    main->features().practiceRecord.add(path, run(18, 31));
    main->features().practiceRecord.add(path, run(12, 45));
    withModalDialog<frmPracticeRecord>(entry(MenuEntry::ViewPracticeRecord), [](frmPracticeRecord& d) {
        ASSERT_EQ(d.table->rowCount(), 2);
        EXPECT_EQ(d.table->item(0, 4)->text(), "12 / 20 (60%)");
    });
    withModalDialog<frmProperties>(entry(MenuEntry::FileProperties), [](frmProperties& d) {
        EXPECT_EQ(d.value("最好成绩："),
                  "2024-05-01 20:31  首次弹对 18 / 20 (90%)，等待正确的键，100%，全曲");
        EXPECT_EQ(d.value("最近练习："),
                  "2024-05-01 20:45  首次弹对 12 / 20 (60%)，等待正确的键，100%，全曲");
    });
    entry(MenuEntry::FileClose)->trigger();
    EXPECT_FALSE(entry(MenuEntry::ViewPracticeRecord)->enabled());
}

TEST_F(PracticeRecordWindowTest, ARunThePlaybackFinishesIsKeptUnderTheScoreItPractised) {
    start();
    const QString practised = score("练习.piano");
    const QString playing = score("下一首.piano");
    main->features().opener.playAllFiles(playing, true, true);
    emit main->features().engine.practiceFinished(run(15, 10), practised);
    ASSERT_EQ(main->features().practiceRecord.runs(practised).size(), 1);
    EXPECT_EQ(main->features().practiceRecord.runs(practised)[0].rightFirstTime, 15);
    EXPECT_TRUE(main->features().practiceRecord.runs(playing).isEmpty());
}

TEST_F(PracticeRecordWindowTest, ADamagedRecordIsReportedInTheStatusBar) {
    folder.write("INI/练习记录.Practice", GbkCodec::encode("Tonvale 练习记录 1\r\n乐谱\t"));
    start();
    main->features().opener.playAllFiles(score("练习.piano"), true, true);
    withModalDialog<frmProperties>(entry(MenuEntry::FileProperties), [](frmProperties& d) {
        EXPECT_EQ(d.value("最好成绩："), "") << "never practised";
    });
    EXPECT_TRUE(main->parts().statusBar->lblStatus->text().startsWith(
        "练习记录文件已损坏，读出了其中完好的 0 次练习"));
}

} // namespace
