// The transport's buttons and progress bar in a window, driven by QTest pointer events.
#include "TransportRig.h"
#include "app/TransportBar.h"
#include "controls/ButtonEx.h"
#include "controls/Tracker.h"

#include <QLabel>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class TransportBarTest : public testing::Test {
protected:
    TransportBarTest() {
        window.resize(700, 80);
        controlBar->setGeometry(0, 20, 700, 33);
        progressPanel->setGeometry(0, 0, 620, 17);
        label->setGeometry(0, 55, 300, 20);
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void click(int index) { QTest::mouseClick(bar.btnForControl(index), Qt::LeftButton); }
    QList<int> shownValues() const {
        QList<int> out;
        for (int i = 0; i < 3; ++i) out << bar.btnForControl(i)->Value();
        return out;
    }

    TransportRig t;
    QWidget window;
    QWidget* controlBar = new QWidget(&window);
    QWidget* progressPanel = new QWidget(&window);
    QLabel* label = new QLabel(&window);
    TransportBar bar{t.transport, t.rig.engine, controlBar, progressPanel, label};
};

TEST_F(TransportBarTest, StartsDisabledWithTheSevenButtons) {
    const QStringList tips{"播放", "暂停", "停止", "第一个", "上一个", "下一个", "最后一个"};
    const QList<ButtonSymbol> symbols{ButtonSymbol::Play,     ButtonSymbol::Pause, ButtonSymbol::Stop,
                                      ButtonSymbol::First,    ButtonSymbol::Previous,
                                      ButtonSymbol::Next,     ButtonSymbol::Last};
    int right = 0;
    for (int i = 0; i < Transport::kButtonCount; ++i) {
        ButtonEx* button = bar.btnForControl(i);
        ASSERT_NE(button, nullptr);
        EXPECT_EQ(button->parentWidget(), controlBar);
        EXPECT_EQ(button->toolTip(), tips[i]);
        EXPECT_EQ(button->Symbol(), symbols[i]);
        EXPECT_FALSE(button->isEnabled());
        EXPECT_GT(button->x(), right) << "left to right without overlap";
        EXPECT_TRUE(controlBar->rect().contains(button->geometry()));
        right = button->geometry().right();
    }
    EXPECT_EQ(bar.btnForControl(7), nullptr);
    Tracker* track = bar.trkProgressBar();
    EXPECT_EQ(track->parentWidget(), progressPanel);
    EXPECT_EQ(track->geometry(), progressPanel->rect());
    EXPECT_FALSE(track->isEnabled());
    EXPECT_EQ(track->BackColor(), QColor(195, 210, 235));
    EXPECT_EQ(track->LeftColor(), QColor(0, 0, 255));
    EXPECT_EQ(track->RightColor(), track->BackColor());
    EXPECT_EQ(track->LeftHeight(), 135);
    EXPECT_EQ(track->RightHeight(), 135);
    EXPECT_FALSE(label->isVisible());
}

TEST_F(TransportBarTest, LoadingEnablesAndShowsPlaying) {
    t.load();
    for (int i = 0; i < Transport::kButtonCount; ++i) EXPECT_TRUE(bar.btnForControl(i)->isEnabled());
    EXPECT_EQ(shownValues(), QList<int>({0, 1, 1}));
    EXPECT_TRUE(bar.trkProgressBar()->isEnabled());
    EXPECT_EQ(bar.trkProgressBar()->RightColor(), QColor(255, 255, 255));
    EXPECT_EQ(bar.trkProgressBar()->Max(), 10);
    EXPECT_TRUE(label->isVisible());
    t.playToRow(3);
    EXPECT_EQ(bar.trkProgressBar()->Value(), 3);
    EXPECT_TRUE(label->text().endsWith("行 / 共10行"));
}

TEST_F(TransportBarTest, ButtonsShowTheTransportsValuesAfterAClick) {
    t.load();
    click(Transport::PauseButton);
    EXPECT_EQ(t.transport.PlayState(), Transport::Paused);
    EXPECT_EQ(shownValues(), QList<int>({1, 0, 1}));
    // A two-state button pressed again flips by itself; the state keeps it down.
    click(Transport::PauseButton);
    EXPECT_EQ(shownValues(), QList<int>({1, 0, 1}));
    click(Transport::StopButton);
    EXPECT_EQ(shownValues(), QList<int>({1, 1, 0}));
    EXPECT_FALSE(bar.trkProgressBar()->isEnabled());
    EXPECT_EQ(bar.trkProgressBar()->Value(), 0);
    EXPECT_EQ(bar.trkProgressBar()->RightColor(), bar.trkProgressBar()->BackColor());
    click(Transport::PlayButton);
    EXPECT_EQ(shownValues(), QList<int>({0, 1, 1}));
}

TEST_F(TransportBarTest, DraggingTheBarToItsEndEndsTheScoreAtTheNextTick) {
    t.load();
    Tracker* track = bar.trkProgressBar();
    const int y = track->height() / 2;
    QTest::mousePress(track, Qt::LeftButton, {}, QPoint(track->thumbLeft() / 15 + 3, y));
    EXPECT_TRUE(t.transport.IsSeeking());
    QTest::mouseMove(track, QPoint(track->width() / 2, y));
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), track->Value());
    QTest::mouseMove(track, QPoint(track->width() + 200, y));
    QTest::mouseRelease(track, Qt::LeftButton, {}, QPoint(track->width() + 200, y));
    EXPECT_FALSE(t.transport.IsSeeking());
    EXPECT_EQ(track->Value(), 10);
    EXPECT_EQ(t.rig.engine.lngCurrentRow(), 10);
    EXPECT_EQ(t.transport.PlayState(), Transport::Playing);
    t.nextRow();
    EXPECT_EQ(t.transport.PlayState(), Transport::Stopped);
    EXPECT_EQ(track->Value(), 0);
}

TEST_F(TransportBarTest, ClickingTheLabelTwiceReturnsToItsMode) {
    t.load();
    t.playToRow(3);
    click(Transport::PauseButton);
    // The tick cut short by the pause finishes at once, in virtual time too.
    t.rig.time.advanceByMs(0);
    const QString rows = label->text();
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_TRUE(label->text().contains(':'));
    QTest::mouseClick(label, Qt::LeftButton);
    EXPECT_EQ(label->text(), rows);
}

TEST_F(TransportBarTest, TheListButtonsAskForEntries) {
    FixedPlayingList list(3, true, 0);
    t.setList(&list);
    t.load();
    click(Transport::LastButton);
    click(Transport::PreviousButton);
    EXPECT_EQ(t.entries, QStringList({"entry2.piano", "entry2.piano"}));
}

} // namespace
