#include "PdfText.h"
#include "core/AppPaths.h"
#include "exchange/PdfExport.h"
#include "exchange/ScorePages.h"
#include "platform/GbkCodec.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreView.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const NoteTable& notes() {
    static const NoteTable table = [] {
        NoteTable t;
        t.loadEmbeddedNoteMap();
        return t;
    }();
    return table;
}

Score scoreOf(const QString& text) {
    Score score;
    ScoreWideValues wide;
    ScoreParser::parse(text, notes(), wide, score);
    return score;
}

QString degreesOf(const ScoreNotation& notation) {
    QString degrees;
    for (const NotationItem& item : notation.items())
        degrees += QChar(item.degree);
    return degrees;
}

int inkPixels(const QImage& image, QRgb paper) {
    int ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += image.pixel(x, y) != paper;
    return ink;
}

struct PrintedScoreTest : testing::Test {
    QString writeScore(const QString& name, const QByteArray& bytes) {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }
    QTemporaryDir dir;
};

TEST_F(PrintedScoreTest, TheSampleScoreAsPdfHasItsTitleCaptionsNotesAndKeysAsText) {
    const QByteArray bytes = DefaultFileBytes(104);
    const QString score = writeScore(QStringLiteral("sample.piano"), bytes);
    const QString pdf = dir.filePath(QStringLiteral("sample.pdf"));
    ASSERT_EQ(PdfExport::exportScoreFile(score, pdf, notes(), true), QString());

    const QString text = pdfText(pdf);
    for (const char* expected : {"Vellmor《虞美人》", "1=C 4/4 ♩=100", "第一段", "第二段", "尾声"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected;
    // The layout of the text keeps no blanks between Chinese characters and digits.
    const QString unspaced = QString(text).remove(u' ');
    EXPECT_TRUE(unspaced.contains(QStringLiteral("第1页/共2页")));
    EXPECT_TRUE(unspaced.contains(QStringLiteral("第2页/共2页")));
    // Every note and rest, in order, across the page break.
    EXPECT_EQ(printedDegrees(text),
              degreesOf(ScoreNotation(scoreOf(ScoreText::decode(bytes)), {})));
    // The keys of the default map under the notes: the first phrase is "3 5 6" on d j k.
    EXPECT_TRUE(text.contains(QRegularExpression(QStringLiteral("\\n\\s*d\\s+j\\s+k\\s"))));
    EXPECT_EQ(pdfPageCount(pdf), 2);
}

TEST_F(PrintedScoreTest, ALongScoreFillsItsPagesAndLosesNoNoteAtAPageBreak) {
    QString text = QStringLiteral("%0\r\n!D\r\n?3/4\r\n$90\r\n#长曲");
    const char* const kBar[] = {"1+4", "2+8", "b3 / #2+8", "5+4", "6.+2.667", ".7+8", "0+4"};
    for (int bar = 0; bar < 400; ++bar)
        for (const char* row : kBar)
            text += QStringLiteral("\r\n") + QLatin1String(row);
    const QString score = writeScore(QStringLiteral("long.piano"), GbkCodec::encode(text));
    const QString pdf = dir.filePath(QStringLiteral("long.pdf"));
    ASSERT_EQ(PdfExport::exportScoreFile(score, pdf, notes(), false), QString());

    const int pages = pdfPageCount(pdf);
    EXPECT_GT(pages, 5);
    const QString printed = pdfText(pdf);
    const QString unspaced = QString(printed).remove(u' ');
    EXPECT_TRUE(unspaced.contains(QStringLiteral("第%1页/共%1页").arg(pages)));
    EXPECT_FALSE(unspaced.contains(QStringLiteral("第%1页").arg(pages + 1)));
    EXPECT_EQ(printedDegrees(printed), degreesOf(ScoreNotation(scoreOf(text), {})));
}

TEST_F(PrintedScoreTest, APageShowsItsLinesExactlyAsTheScoreBarDrawsThem) {
    const Score score = scoreOf(QStringLiteral(
        "%0\r\n!C\r\n?4/4\r\n$100\r\n#词一\r\n1+4\r\n.5+8\r\n6.+8\r\nb3 / "
        "#2+4\r\n5+2.667\r\n3+8\r\n"
        "2+2\r\n#词二\r\n1..+2\r\n0+4\r\n..6+16\r\n7+16\r\n1+8\r\n5+1\r\n3+4\r\n2+4\r\n1+2\r\n"
        "b2 / #1+4\r\n4+4\r\n#三\r\n5+1"));
    const ScorePainter::KeyNameSource keyNames = [](int key) {
        return QStringLiteral("K%1").arg(key);
    };
    const ScoreNotation notation(score, {});
    constexpr int kWidth = 520;
    ScoreView view(keyNames, nullptr);
    view.resize(kWidth, 600);
    view.setNotation(notation);
    const QImage bar = view.viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(bar.width(), kWidth);
    ASSERT_GE(view.layout().lineCount(), 3);

    const ScorePages pages(notation, {QStringLiteral("T"), QStringLiteral("1=C")}, keyNames,
                           QSize(kWidth, 1000), view.font());
    QImage page(kWidth, 1000, QImage::Format_RGB32);
    page.fill(bar.pixel(0, 0)); // the bar's paper
    QPainter painter(&page);
    pages.drawPage(painter, 0);
    painter.end();

    for (int line = 0; line < view.layout().lineCount(); ++line) {
        const QImage printed = page.copy(pages.lineRect(line));
        const QImage shown =
            bar.copy(0, view.layout().lineTop(line), kWidth, view.layout().metrics().lineHeight);
        EXPECT_EQ(printed, shown) << "line " << line;
        EXPECT_GT(inkPixels(shown, bar.pixel(0, 0)), 100) << "line " << line;
    }
}

} // namespace
