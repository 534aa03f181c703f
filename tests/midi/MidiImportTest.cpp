#include "midi/MidiImport.h"
#include "LoadedNoteTable.h"
#include "MidiNotes.h"
#include "midi/MidiExport.h"
#include "midi/SmfReader.h"
#include "midi/SmfWriter.h"
#include "score/ScoreParser.h"
#include "score/ScoreTiming.h"

#include <gtest/gtest.h>

namespace {

constexpr int kQuarter = 480; // ticks; the tempo makes a quarter 600 ms

// A melody of known lengths in quarters (a rest where the note is -1), with a lower voice under
// its first bars that shows only in the rest, a note below the keyboard, and a percussion note.
struct Melody {
    int note;
    double quarters;
};
const QList<Melody> kMelody = {{60, 1},       {62, 0.5},     {64, 1.5}, {-1, 1}, {67, 2},
                               {72, 0.25},    {71, 0.25},    {69, 0.5}, {24, 1}, {65, 2.0 / 3},
                               {67, 2.0 / 3}, {69, 2.0 / 3}, {-1, 6},   {60, 4}};

QByteArray melodyFile() {
    SmfWriter out(kQuarter);
    out.tempo(0, 600000);
    out.channelMessage(0, 0xC0, 5, 0);
    out.channelMessage(0, 0x99, 36, 100); // percussion, passed over
    out.channelMessage(0, 0x90, 50, 80);  // the lower voice, up to the end of the first rest
    qint64 at = 0;
    for (const Melody& m : kMelody) {
        const qint64 end = at + std::llround(m.quarters * kQuarter);
        if (m.note >= 0) {
            out.channelMessage(at, 0x90, quint8(m.note), 100);
            out.channelMessage(end, 0x80, quint8(m.note), 0);
        }
        at = end;
        if (at == 4 * kQuarter) out.channelMessage(at, 0x80, 50, 0);
    }
    return out.finish();
}

SmfFile readBack(const QByteArray& bytes) {
    const SmfReader::Result read = SmfReader::read(bytes);
    EXPECT_EQ(read.error, SmfReader::Error::None);
    return read.file;
}

TEST(MidiImport, KnownLengthsBecomeTheirCodes) {
    const QString text =
        MidiImport::scoreText(readBack(melodyFile()), 0, loadedNoteTable(), QStringLiteral("旋律"));
    EXPECT_EQ(text.toStdString(),
              QStringLiteral("%5\r\n!C\r\n?4/4\r\n$100\r\n#旋律+48.0\r\n"
                             ".1+4.0\r\n.2+8.0\r\n.3+2.666\r\n..2+4.0\r\n.5+2.0\r\n"
                             "1+16.0\r\n.7+16.0\r\n.6+8.0\r\n...1+4.0\r\n.4+6.0\r\n"
                             ".5+6.0\r\n.6+6.0\r\n0+0.666\r\n.1+1.0")
                  .toStdString());
}

TEST(MidiImport, PrefersTheTrackWithTheMostNotes) {
    SmfFile file;
    file.tracks.resize(3);
    file.tracks[1].events = {{0, SmfEvent::Kind::Channel, 0x90, 60, 1}};
    file.tracks[2].events = {{0, SmfEvent::Kind::Channel, 0x90, 60, 1},
                             {1, SmfEvent::Kind::Channel, 0x90, 62, 1}};
    const QList<MidiImport::TrackChoice> choices = MidiImport::tracksWithNotes(file);
    ASSERT_EQ(choices.size(), 2);
    EXPECT_EQ(choices[MidiImport::preferredChoice(choices)].track, 2);
}

// MIDI -> score -> MIDI: the melody comes back with the same notes at the same times, shifted
// only by the header rows before the first note.
TEST(MidiImport, RoundTripKeepsNotesAndTimes) {
    SmfWriter out(kQuarter);
    out.tempo(0, 600000);
    const QList<std::pair<int, int>> notes = {{60, 480}, {64, 240}, {67, 240}, {72, 960},
                                              {71, 120}, {69, 360}, {67, 480}};
    QList<MidiNote> original;
    qint64 at = 0;
    for (const auto& [note, length] : notes) {
        out.channelMessage(at, 0x90, quint8(note), 100);
        out.channelMessage(at + length, 0x80, quint8(note), 0);
        original.append({note, at * 600 / kQuarter, (at + length) * 600 / kQuarter});
        at += length;
    }
    const QString text =
        MidiImport::scoreText(readBack(out.finish()), 0, loadedNoteTable(), QStringLiteral("t"));
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, loadedNoteTable(), wide, score);
    ScoreTiming::analyse(score, wide);
    const QList<MidiNote> back =
        notesOf(readBack(MidiExport::write(score, wide, {0, 100, 36, 0})).tracks[0]);
    ASSERT_EQ(back.size(), original.size());
    const qint64 shift = back[0].on - original[0].on;
    for (qsizetype i = 0; i < back.size(); ++i)
        EXPECT_EQ(back[i],
                  (MidiNote{original[i].note, original[i].on + shift, original[i].off + shift}))
            << i;
}

} // namespace
