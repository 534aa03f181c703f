// How long does importing a MIDI file of 10,000 melody notes take (read, pick the voice, extract
// the melody, choose the codes, write the score text)? Target: under 100 ms, that is no wait a
// user notices on File ▸ Open.
#include "core/NoteTable.h"
#include "exchange/MidiImport.h"
#include "midi/SmfReader.h"
#include "midi/SmfWriter.h"
#include "score/MelodyScoreWriter.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int kNotes = 10'000;

// A melody of mixed lengths (plain, dotted, triplet, rests) over a held chord that changes every
// bar, in one track, as a typical piano file.
QByteArray tenThousandNotes() {
    SmfWriter out(480);
    out.tempo(0, 500000);
    static const int kLengths[] = {480, 240, 240, 720, 240, 160, 160, 160, 960, 120, 120, 240};
    static const int kPitches[] = {72, 74, 76, 77, 79, 81, 83, 84, 79, 76, 74, 72};
    qint64 at = 0;
    for (int i = 0; i < kNotes; ++i) {
        if (i % 16 == 0) {
            for (int note : {48, 52, 55})
                out.channelMessage(at, 0x90, quint8(note), 60);
        }
        const int length = kLengths[i % 12];
        out.channelMessage(at, 0x90, quint8(kPitches[(i * 7) % 12]), 100);
        out.channelMessage(at + length, 0x80, quint8(kPitches[(i * 7) % 12]), 0);
        at += length;
        if (i % 16 == 15) {
            for (int note : {48, 52, 55})
                out.channelMessage(at, 0x80, quint8(note), 0);
            at += 240; // a rest
        }
    }
    return out.finish();
}

void BM_ImportTenThousandNotes(benchmark::State& state) {
    NoteTable notes;
    notes.loadEmbeddedNoteMap();
    const QByteArray bytes = tenThousandNotes();
    qsizetype rows = 0;
    for (auto _ : state) {
        const SmfReader::Result read = SmfReader::read(bytes);
        const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(read.file);
        const QString text = MelodyScoreWriter::scoreText(
            MidiImport::melody(read.file, choices[MidiImport::preferredChoice(choices)],
                               QStringLiteral("bench")),
            notes);
        rows = text.count(QStringLiteral("\r\n")) + 1;
        benchmark::DoNotOptimize(text);
    }
    state.counters["bytes"] = double(bytes.size());
    state.counters["rows"] = double(rows);
    state.SetLabel("target: under 100 ms");
}
BENCHMARK(BM_ImportTenThousandNotes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
