// Does the score bar open and scroll a score of a million rows without a pause a person would
// notice? Targets: opening (check, notation, layout) under 1 s beside the load itself, and every
// scrolled frame under 16 ms.
#include "MillionRowScore.h"
#include "core/NoteTable.h"
#include "score/ScoreCheck.h"
#include "score/ScoreNotation.h"
#include "score/ScoreParser.h"
#include "score/ScoreView.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScrollBar>
#include <algorithm>
#include <cstdio>

namespace {

constexpr int kFrames = 200;

double millisecondsOf(QElapsedTimer& timer) {
    return double(timer.nsecsElapsed()) / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    const QString text = millionRowScore();
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, notes, wide, score);

    QElapsedTimer timer;
    timer.start();
    const QList<ScoreFinding> findings = ScoreCheck::check(text, score, notes);
    const double check = millisecondsOf(timer);
    timer.restart();
    ScoreNotation notation(score, findings);
    const double build = millisecondsOf(timer);
    ScoreView view([](int) { return QStringLiteral("Scroll Lock"); }, nullptr);
    view.resize(870, 180);
    view.show();
    timer.restart();
    view.setNotation(std::move(notation));
    QPixmap frame = view.grab();
    const double open = millisecondsOf(timer);

    QList<double> frames;
    QScrollBar* bar = view.verticalScrollBar();
    for (int i = 0; i < kFrames; ++i) {
        timer.restart();
        bar->setValue(int(qint64(bar->maximum()) * i / (kFrames - 1)));
        frame = view.grab();
        frames.append(millisecondsOf(timer));
    }
    std::sort(frames.begin(), frames.end());
    std::printf("score view, %d rows, %lld items in %d lines\n", kMillionRows,
                qlonglong(view.notation().items().size()), view.layout().lineCount());
    std::printf("  check %.1f ms, notation %.1f ms, layout and first frame %.1f ms"
                " (together: target under 1000 ms)\n",
                check, build, open);
    std::printf("  scrolled frames: median %.2f ms, max %.2f ms (target under 16 ms)\n",
                frames[frames.size() / 2], frames.last());
    return 0;
}
