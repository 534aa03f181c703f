#include "exchange/ScorePrintCommands.h"
#include "PdfText.h"
#include "exchange/QtPrintDialogs.h"
#include "score/ScoreParser.h"
#include "support/RecordingMessageSink.h"
#include "support/ScriptedFileDialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QPdfWriter>
#include <QPrintPreviewDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

// Prints what the preview is asked to print into a PDF; answers the PDF options as scripted.
class ScriptedPrintDialogs : public PrintDialogs {
public:
    void preview(PrintOptions& options, const PagePainter& paint) override {
        previewed.append(options);
        QPdfWriter writer(printerOutput);
        writer.setPageLayout(options.pageLayout);
        paint(writer, options.keyNames);
        options.keyNames = keyNamesAfterPreview;
    }
    bool askPdfOptions(PrintOptions& options) override {
        asked.append(options);
        if (!pdfAnswer) return false;
        options = *pdfAnswer;
        return true;
    }

    QString printerOutput;
    bool keyNamesAfterPreview = true;
    std::optional<PrintOptions> pdfAnswer;
    QList<PrintOptions> previewed;
    QList<PrintOptions> asked;
};

struct ScorePrintCommandsTest : testing::Test {
    ScorePrintCommandsTest() {
        printDialogs.printerOutput = dir.filePath(QStringLiteral("printer.pdf"));
        scorePath = dir.filePath(QStringLiteral("曲.piano"));
        QFile file(scorePath);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(kScoreBytes);
    }
    void load() {
        NoteTable notes;
        notes.loadEmbeddedNoteMap();
        ScoreWideValues wide;
        ScoreParser::parse(QString::fromLatin1(kScoreBytes), notes, wide, score);
        score.strPlayingFile = scorePath;
    }

    static constexpr const char* kScoreBytes = "%0\r\n!G\r\n?4/4\r\n$100\r\n1+4\r\n2+4\r\n3+2";
    QTemporaryDir dir;
    QString scorePath;
    Score score;
    ScriptedPrintDialogs printDialogs;
    ScriptedFileDialogs fileDialogs;
    RecordingMessageSink messages;
    ScorePrintCommands commands{score, [](int key) { return QStringLiteral("K%1").arg(key); },
                                printDialogs, fileDialogs, messages};
};

TEST_F(ScorePrintCommandsTest, WithoutAScoreNothingIsAsked) {
    EXPECT_TRUE(commands.printLoaded());
    EXPECT_TRUE(commands.exportLoadedAsPdf());
    EXPECT_TRUE(printDialogs.previewed.isEmpty());
    EXPECT_TRUE(fileDialogs.asked.isEmpty());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(ScorePrintCommandsTest, ThePdfIsWrittenWithTheChosenOptionsButNeverOverTheScore) {
    load();
    fileDialogs.answers = {scorePath};
    EXPECT_FALSE(commands.exportLoadedAsPdf());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("输入文件")));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(printDialogs.asked.isEmpty());
    QFile file(scorePath);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray(kScoreBytes));

    // Cancelled in the options: nothing written.
    const QString pdf = dir.filePath(QStringLiteral("曲.pdf"));
    fileDialogs.answers = {pdf};
    EXPECT_TRUE(commands.exportLoadedAsPdf());
    EXPECT_FALSE(QFile::exists(pdf));
    ASSERT_EQ(printDialogs.asked.size(), 1);
    EXPECT_TRUE(printDialogs.asked[0].keyNames);
    EXPECT_EQ(printDialogs.asked[0].pageLayout.pageSize().id(), QPageSize::A4);
    EXPECT_EQ(printDialogs.asked[0].pageLayout.orientation(), QPageLayout::Portrait);
    EXPECT_EQ(fileDialogs.asked[1].defaultSuffix, QStringLiteral("pdf"));

    PrintOptions noKeys;
    noKeys.keyNames = false;
    printDialogs.pdfAnswer = noKeys;
    fileDialogs.answers = {pdf};
    EXPECT_TRUE(commands.exportLoadedAsPdf());
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QStringLiteral("曲"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("1=G 4/4 ♩=100")));
    EXPECT_EQ(printedDegrees(text), QStringLiteral("123"));
    EXPECT_FALSE(text.contains(QStringLiteral("K39")));
    EXPECT_EQ(messages.shown.size(), 1);
}

TEST_F(ScorePrintCommandsTest, ThePreviewPrintsTheScoreAndItsOptionsAreOfferedAgain) {
    load();
    printDialogs.keyNamesAfterPreview = false;
    EXPECT_TRUE(commands.printLoaded());
    ASSERT_EQ(printDialogs.previewed.size(), 1);
    EXPECT_TRUE(printDialogs.previewed[0].keyNames);
    const QString text = pdfText(printDialogs.printerOutput);
    EXPECT_EQ(printedDegrees(text), QStringLiteral("123"));
    EXPECT_TRUE(text.contains(QStringLiteral("K39")));

    fileDialogs.answers = {dir.filePath(QStringLiteral("b.pdf"))};
    commands.exportLoadedAsPdf();
    ASSERT_EQ(printDialogs.asked.size(), 1);
    EXPECT_FALSE(printDialogs.asked[0].keyNames);
}

// The real preview: its check box shows the pages again without the keys, and is remembered.
TEST(QtPrintDialogs, ThePreviewsCheckBoxRedrawsThePagesWithoutKeys) {
    QtPrintDialogs dialogs;
    PrintOptions options;
    QList<bool> painted;
    QTimer::singleShot(0, [] {
        auto* preview = qobject_cast<QPrintPreviewDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(preview, nullptr);
        auto* keys = preview->findChild<QCheckBox*>();
        ASSERT_NE(keys, nullptr);
        EXPECT_EQ(keys->text(), QStringLiteral("打印电脑按键"));
        keys->click();
        preview->reject();
    });
    dialogs.preview(options, [&](QPagedPaintDevice&, bool withKeys) {
        painted.append(withKeys);
        return true;
    });
    ASSERT_GE(painted.size(), 2);
    EXPECT_TRUE(painted.first());
    EXPECT_FALSE(painted.last());
    EXPECT_FALSE(options.keyNames);
    EXPECT_EQ(options.pageLayout.pageSize().id(), QPageSize::A4);
}

} // namespace
