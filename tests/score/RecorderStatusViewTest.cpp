#include "RecorderFixture.h"
#include "score/RecordingStatusView.h"

#include <QEnterEvent>
#include <QLabel>
#include <QTest>

namespace {

class RecorderStatusView : public RecorderFixture {
protected:
    RecorderStatusView() {
        bar.resize(600, 24);
        lblStatus->setGeometry(20, 2, 400, 20);
        QObject::connect(&status, &StatusLine::textChanged, lblStatus, &QLabel::setText);
        bar.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&bar));
    }
    QColor textColour() const { return lblStatus->palette().color(QPalette::WindowText); }
    void hover() {
        QEnterEvent enter(QPointF(5, 5), QPointF(25, 7), QPointF(25, 7));
        QCoreApplication::sendEvent(lblStatus, &enter);
    }
    void leave() {
        QEvent event(QEvent::Leave);
        QCoreApplication::sendEvent(lblStatus, &event);
    }

    QWidget bar;
    StatusLine status;
    QLabel* lblStatus = new QLabel(status.text(), &bar);
    RecordingStatusView view{recorder, status, lblStatus, QCursor(Qt::PointingHandCursor)};
    // The bar's own text colour: the label goes back to it, whatever the bar's back colour.
    const QColor normal = textColour();
};

TEST_F(RecorderStatusView, ShowsTheRecordingAndThenTheStateAsItIsByThen) {
    begin();
    EXPECT_EQ(lblStatus->text(), QStringLiteral("正在录制...单击这里保存... 按 ESC 取消录制！"));
    EXPECT_EQ(lblStatus->cursor().shape(), Qt::PointingHandCursor);
    status.show(QStringLiteral("暂停中")); // the transport reports while the recording runs
    EXPECT_EQ(lblStatus->text(), Recorder::statusText());
    recorder.DropRecording();
    EXPECT_EQ(lblStatus->text(), QStringLiteral("暂停中"));
    EXPECT_FALSE(lblStatus->testAttribute(Qt::WA_SetCursor));
    EXPECT_EQ(textColour(), normal);
    EXPECT_FALSE(lblStatus->font().underline());
}

TEST_F(RecorderStatusView, RedAndUnderlinedUnderThePointer) {
    begin();
    hover();
    EXPECT_EQ(textColour(), QColor(Qt::red));
    EXPECT_TRUE(lblStatus->font().underline());
    leave();
    EXPECT_EQ(textColour(), normal);
    EXPECT_FALSE(lblStatus->font().underline());
}

TEST_F(RecorderStatusView, HoverDoesNothingWhenNotRecording) {
    const QColor before = textColour();
    hover();
    EXPECT_EQ(textColour(), before);
    EXPECT_FALSE(lblStatus->font().underline());
}

TEST_F(RecorderStatusView, AClickSavesTheRecording) {
    begin();
    play(39, 1000);
    dialogs.answers << folder.file("clicked.piano");
    QTest::mouseClick(lblStatus, Qt::LeftButton);
    EXPECT_EQ(dialogs.asked.size(), 1);
    EXPECT_TRUE(folder.read("clicked.piano").endsWith("1+4.0\r\n"));
    EXPECT_FALSE(recorder.IsRecording());
    EXPECT_EQ(lblStatus->text(), QStringLiteral("准备..."));
}

TEST_F(RecorderStatusView, AFailedSaveKeepsTheRecordingText) {
    begin();
    dialogs.answers << folder.file("missing/x.piano");
    QTest::mouseClick(lblStatus, Qt::LeftButton);
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(lblStatus->text(), Recorder::statusText());
    EXPECT_TRUE(recorder.IsRecording());
}

TEST_F(RecorderStatusView, AClickWhenNotRecordingAsksNothing) {
    QTest::mouseClick(lblStatus, Qt::LeftButton);
    QTest::mouseClick(lblStatus, Qt::RightButton);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

TEST_F(RecorderStatusView, OnlyTheLeftButtonSaves) {
    begin();
    QTest::mouseClick(lblStatus, Qt::RightButton);
    EXPECT_TRUE(dialogs.asked.isEmpty());
}

} // namespace
