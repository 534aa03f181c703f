// How much faster than real time a score becomes an audio file: the sample score (about two
// minutes) rendered by the built-in synthesizer into each format, against the goal of 20 times.
// The processor time shows what the machine can do, the clock time what this run got of it
// (less on a machine busy with other work).
//   build/bench/audio_export_bench [runs]
#include "exchange/AudioExport.h"
#include "platform/midi/FluidSynthAudioRenderer.h"
#include "score/ScoreText.h"

#include <QFile>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <sndfile.h>

namespace {

constexpr double kGoal = 20.0;

double fileSeconds(const QString& path) {
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) return 0.0;
    sf_close(file);
    return info.samplerate > 0 ? double(info.frames) / info.samplerate : 0.0;
}

} // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 3;
    QFile sample(QStringLiteral(":/defaults/104"));
    if (!sample.open(QIODevice::ReadOnly)) return 1;
    const QString score = ScoreText::decode(sample.readAll());
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    FluidSynthAudioRenderer renderer(FluidSynthOutput::systemConfig());
    QTemporaryDir dir;

    std::printf("the sample score, best of %d runs; goal: at least %.0fx real time\n", runs, kGoal);
    bool met = true;
    for (const char* name : {"a.wav", "a.flac", "a.ogg"}) {
        const QString path = dir.filePath(QString::fromLatin1(name));
        double bestClock = 1e9;
        double bestProcessor = 1e9;
        for (int run = 0; run < runs; ++run) {
            const auto start = std::chrono::steady_clock::now();
            const std::clock_t processorStart = std::clock();
            const QString error = AudioExport::exportScoreText(score, path, notes, renderer);
            const double processor = double(std::clock() - processorStart) / CLOCKS_PER_SEC;
            const double clock =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
            if (!error.isEmpty()) {
                std::printf("%s: %s\n", name, qPrintable(error));
                return 1;
            }
            bestClock = std::min(bestClock, clock);
            bestProcessor = std::min(bestProcessor, processor);
        }
        const double sound = fileSeconds(path);
        met = met && sound / bestProcessor >= kGoal;
        std::printf("%-5s %6.1f s of sound: processor %6.3f s, %6.1fx real time; clock %6.3f s, "
                    "%6.1fx\n",
                    name + 2, sound, bestProcessor, sound / bestProcessor, bestClock,
                    sound / bestClock);
    }
    return met ? 0 : 1;
}
