#include "app/PianoKeyboard.h"
#include "keyboard/LiveKeyboardFixture.h"

#include <QSignalSpy>
#include <QTest>

namespace {

struct PianoKeyboardTest : LiveKeyboardFixture {
    PianoKeyboardTest() {
        window.resize(900, 200);
        keyboard.show();
        window.show();
    }

    // A point low on a white key, below the black keys, or in the middle of a black key.
    QPoint on(int keyIndex) const {
        const QRect r = keyboard.keyRect(keyIndex);
        return NoteTable::isBlackKey(keyIndex) ? r.center()
                                               : QPoint(r.center().x(), r.bottom() - 5);
    }
    QList<int> notesOn() const {
        QList<int> notes;
        for (const Sent& s : backend.sent)
            if ((s.status & 0xF0) == 0x90) notes << s.data1;
        return notes;
    }

    QWidget window;
    PianoKeyboard keyboard{live, pointer, &window};
};

TEST_F(PianoKeyboardTest, KeysHaveTheirPixelGeometry) {
    EXPECT_EQ(keyboard.geometry(), QRect(16, 92, 833, 69));
    EXPECT_EQ(keyboard.keyRect(0), QRect(0, 0, 17, 69));
    EXPECT_EQ(keyboard.keyRect(2), QRect(16, 0, 17, 69));
    EXPECT_EQ(keyboard.keyRect(1), QRect(12, 0, 9, 41));
    EXPECT_EQ(keyboard.keyRect(87), QRect(816, 0, 17, 69));
    EXPECT_TRUE(keyboard.keyRect(88).isEmpty());
}

TEST_F(PianoKeyboardTest, BlackKeysLieAboveWhiteKeys) {
    EXPECT_EQ(keyboard.keyAt(QPoint(14, 10)), 1);
    EXPECT_EQ(keyboard.keyAt(QPoint(14, 50)), 0);
    // The column two white keys share belongs to the right one.
    EXPECT_EQ(keyboard.keyAt(QPoint(16, 60)), 2);
    EXPECT_EQ(keyboard.keyAt(QPoint(900, 10)), -1);
}

TEST_F(PianoKeyboardTest, AGlissandoStrikesEveryKeyItReachesOnce) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    const QList<int> keys{39, 41, 43, 44, 46};
    QTest::mousePress(&keyboard, Qt::LeftButton, {}, on(keys.first()));
    for (int key : keys) {
        QTest::mouseMove(&keyboard, on(key) - QPoint(3, 0));
        QTest::mouseMove(&keyboard, on(key) + QPoint(3, 0));
    }
    QTest::mouseRelease(&keyboard, Qt::LeftButton, {}, on(keys.last()));
    EXPECT_EQ(notesOn(), (QList<int>{72, 74, 76, 77, 79}));
    ASSERT_EQ(releases.count(), 1);
    EXPECT_EQ(releases.at(0).at(0).toInt(), 46);
    // Touched keys stay down until something redraws them; the one under the pointer is up.
    EXPECT_TRUE(keyboard.isDrawnPressed(39));
    EXPECT_TRUE(keyboard.isDrawnPressed(44));
    EXPECT_FALSE(keyboard.isDrawnPressed(46));
}

TEST_F(PianoKeyboardTest, ClickingTheSameKeyTwiceSoundsOnce) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    QTest::mouseClick(&keyboard, Qt::LeftButton, {}, on(50));
    live.setIsAgain(true);
    QTest::mouseClick(&keyboard, Qt::LeftButton, {}, on(50));
    EXPECT_EQ(notesOn(), QList<int>{83});
    EXPECT_EQ(releases.count(), 2);
}

TEST_F(PianoKeyboardTest, MovesWithoutTheButtonAndOtherButtonsPlayNothing) {
    QTest::mouseMove(&keyboard, on(40));
    QTest::mouseClick(&keyboard, Qt::RightButton, {}, on(41));
    EXPECT_TRUE(backend.sent.isEmpty());
}

TEST_F(PianoKeyboardTest, AReleaseAwayFromTheKeysRecordsNothing) {
    QSignalSpy releases(&live, &LiveKeyboard::recordKeyRelease);
    QTest::mousePress(&keyboard, Qt::LeftButton, {}, on(60));
    QTest::mouseMove(&keyboard, QPoint(400, 120));
    QTest::mouseRelease(&keyboard, Qt::LeftButton, {}, QPoint(400, 120));
    EXPECT_EQ(releases.count(), 0);
    EXPECT_TRUE(keyboard.isDrawnPressed(60));
}

TEST_F(PianoKeyboardTest, DrawKeyEdgeKeepsTheCaptionAndTheLook) {
    keyboard.DrawKeyEdge(30, QStringLiteral("g"), PianoKeyboard::kEdgeSunken);
    EXPECT_TRUE(keyboard.isDrawnPressed(30));
    EXPECT_EQ(keyboard.caption(30), QStringLiteral("g"));
    live.ResetKeyboard();
    EXPECT_FALSE(keyboard.isDrawnPressed(30));
    EXPECT_EQ(keyboard.caption(30), QString());
    keyboard.DrawKeyEdge(-3, QStringLiteral("x"), PianoKeyboard::kEdgeSunken);
    EXPECT_EQ(keyboard.caption(-3), QString());
}

TEST_F(PianoKeyboardTest, PressedAndReleasedKeysLookDifferent) {
    const QImage up = keyboard.grab().toImage();
    live.StrikeKey(39);
    live.StrikeKey(40);
    const QImage down = keyboard.grab().toImage();
    const QRect white = keyboard.keyRect(39);
    EXPECT_NE(up.copy(white), down.copy(white));
    EXPECT_EQ(up.pixelColor(white.center().x(), white.bottom() - 10), QColor(Qt::white));
    EXPECT_EQ(up.pixelColor(keyboard.keyRect(40).center()), QColor(Qt::black));
    // Neighbouring white keys are told apart by a border line.
    EXPECT_NE(up.pixelColor(keyboard.keyRect(41).left(), white.bottom() - 10), QColor(Qt::white));
}

} // namespace
