#include "score/ScoreView.h"
#include "LoadedNoteTable.h"
#include "score/ScoreCheck.h"
#include "score/ScoreParser.h"

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

} // namespace
