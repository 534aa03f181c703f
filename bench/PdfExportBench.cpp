// Does a score of a million rows go to PDF page by page, in little more memory than the score
// itself takes? The pages are laid out and drawn one at a time into the file, so the peak should
// stay within 64 MB of the peak of loading the score and laying out its notation, however many
// pages there are.
#include "MillionRowScore.h"
#include "core/NoteTable.h"
#include "exchange/PdfExport.h"
#include "platform/GbkCodec.h"
#include "score/ScoreNotation.h"
#include "score/ScoreParser.h"
#include "score/ScoreViewLayout.h"

#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdio>
#include <sys/resource.h>

namespace {

double peakResidentMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    QTemporaryDir dir;
    const QString scorePath = dir.filePath(QStringLiteral("million.piano"));
    const QString pdfPath = dir.filePath(QStringLiteral("million.pdf"));
    {
        const QString text = millionRowScore();
        QFile file(scorePath);
        if (!file.open(QIODevice::WriteOnly) || file.write(GbkCodec::encode(text)) < 0) return 1;
        // What the score bar holds of the same score: rows, notation and layout.
        Score score;
        ScoreWideValues wide;
        ScoreParser::parse(text, notes, wide, score);
        const ScoreNotation notation(score, {});
        ScoreViewLayout layout;
        layout.build(notation.items(), 728, ScoreViewLayout::Metrics{});
    }
    const double loaded = peakResidentMegabytes();

    QElapsedTimer timer;
    timer.start();
    const QString error = PdfExport::exportScoreFile(scorePath, pdfPath, notes, true);
    const double seconds = double(timer.elapsed()) / 1000;
    if (!error.isEmpty()) {
        std::printf("export failed: %s\n", qPrintable(error));
        return 1;
    }
    const double written = peakResidentMegabytes();
    std::printf("PDF of a score of %d rows: %.1f s, %.1f MB written\n", kMillionRows, seconds,
                double(QFileInfo(pdfPath).size()) / 1e6);
    std::printf("  peak memory: %.0f MB holding the score as the score bar does, %.0f MB after"
                " the export (target: at most 64 MB more)\n",
                loaded, written);
    return 0;
}
