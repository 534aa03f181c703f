#include "score/ScoreView.h"
#include "LoadedNoteTable.h"
#include "score/ScoreCheck.h"
#include "score/ScoreParser.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <gtest/gtest.h>

namespace {

struct ScoreViewTest : testing::Test {
    ScoreView view{[](int key) { return QStringLiteral("K%1").arg(key); }, nullptr};

    void show(const QString& text) {
        ScoreWideValues wide;
        Score score;
        ScoreParser::parse(text, loadedNoteTable(), wide, score);
        view.resize(400, 180);
        view.setNotation(ScoreNotation(score, ScoreCheck::check(text, score, loadedNoteTable())));
    }
    void mouse(QEvent::Type type, qsizetype item, Qt::KeyboardModifiers modifiers = {}) {
        const QPointF at = item < 0 ? QPointF(1, 1) : QPointF(centreOf(item));
        const Qt::MouseButtons held =
            type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
        QMouseEvent event(type, at, view.viewport()->mapToGlobal(at), Qt::LeftButton, held,
                          modifiers);
        QCoreApplication::sendEvent(view.viewport(), &event);
    }
    void click(qsizetype item, Qt::KeyboardModifiers modifiers = {}) {
        mouse(QEvent::MouseButtonPress, item, modifiers);
        mouse(QEvent::MouseButtonRelease, item, modifiers);
    }
    QPoint centreOf(qsizetype item) const {
        return view.layout().cellRect(item).center() - QPoint(0, view.verticalScrollBar()->value());
    }
};

TEST_F(ScoreViewTest, TooltipsNameTheLineTheKeyAndWhatTheCheckFound) {
    show(QStringLiteral("%0\r\n?4/4\r\n$100\r\n1+4\r\n3+i\r\nb2+4"));
    ASSERT_EQ(view.notation().items().size(), 3);
    EXPECT_EQ(view.toolTipAt(centreOf(0)), QStringLiteral("第 4 行，按键 K39"));
    EXPECT_TRUE(view.toolTipAt(centreOf(1)).contains(QStringLiteral("读作 0")));
    EXPECT_TRUE(view.toolTipAt(centreOf(2)).contains(QStringLiteral("b2 / #1")));
    EXPECT_EQ(view.toolTipAt({1, 1}), QString());
}

TEST_F(ScoreViewTest, ThePlayedRowIsKeptInViewAndAClickNamesItsRow) {
    QString text = QStringLiteral("%0\r\n?4/4\r\n$100");
    for (int i = 0; i < 2000; ++i)
        text += QStringLiteral("\r\n5+8");
    show(text);
    const qsizetype last = view.notation().items().size() - 1;
    view.setPlayedRow(view.notation().items()[last].row);
    const QRect cell =
        view.layout().cellRect(last).translated(0, -view.verticalScrollBar()->value());
    EXPECT_TRUE(view.viewport()->rect().contains(cell)) << cell.y();
    QSignalSpy clicks(&view, &ScoreView::rowClicked);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, centreOf(last));
    ASSERT_EQ(clicks.size(), 1);
    EXPECT_EQ(clicks[0][0].toInt(), 2002);
}

TEST_F(ScoreViewTest, ADragOrAShiftClickChoosesAPassageAndAPlainClickOutsideClearsIt) {
    // Items 0..4 on rows 3..7.
    show(QStringLiteral("%0\r\n?4/4\r\n$100\r\n1+4\r\n2+4\r\n0+4\r\n4+4\r\n5+4"));
    QSignalSpy plays(&view, &ScoreView::rowClicked);
    QSignalSpy changes(&view, &ScoreView::passageChanged);

    mouse(QEvent::MouseButtonPress, 3);
    mouse(QEvent::MouseMove, 2);
    mouse(QEvent::MouseMove, 1);
    mouse(QEvent::MouseButtonRelease, 1);
    EXPECT_EQ(view.passage(), (Passage{4, 6}));
    EXPECT_EQ(plays.size(), 0);

    click(2); // inside the band: plays from there, the band stays
    EXPECT_EQ(view.passage(), (Passage{4, 6}));
    click(4, Qt::ShiftModifier); // from the note clicked last
    EXPECT_EQ(view.passage(), (Passage{5, 7}));
    EXPECT_EQ(plays.size(), 1);

    click(0); // outside: cleared, and plays from there
    EXPECT_EQ(view.passage(), std::nullopt);
    ASSERT_EQ(plays.size(), 2);
    EXPECT_EQ(plays[1][0].toInt(), 3);
    EXPECT_EQ(changes.size(), 4);

    click(4, Qt::ShiftModifier);
    show(QStringLiteral("1+4\r\n2+4"));
    EXPECT_EQ(view.passage(), std::nullopt); // a new score clears it
}

} // namespace
