#include "exchange/MidiExport.h"
#include "EngineRig.h"
#include "MidiNotes.h"
#include "midi/SmfReader.h"

#include <gtest/gtest.h>

namespace {

// Codes of every kind: the shortest code (held two ticks), a dotted code, a tuplet code, a note
// with code 0, a note without "+", blank rows and a comment that lengthen the note before them,
// rests, an instrument change and a key change.
const QString kEveryKindOfRow = QStringLiteral(
    "%3\r\n!C\r\n?4/4\r\n$100\r\n#caption+16\r\n"
    "1+4\r\n1+4\r\n2+8\r\n3+16\r\n4+2.667\r\n5+5.333\r\n\r\n6+12\r\n' comment\r\n7+1\r\n"
    "0+8\r\n%7\r\n!D\r\n1.+4\r\n3.+i\r\n5\r\n.7+16\r\n0\r\n2+2\r\n");

TEST(MidiExport, EveryNoteAtTheMillisecondTheEnginePlaysIt) {
    EngineRig rig;
    rig.load(kEveryKindOfRow);
    // Taken before the end of the score, which closes it.
    const Score score = rig.engine.score();
    const ScoreWideValues wide{rig.engine.TempoBpm(), rig.engine.BeatUnit()};
    rig.time.advanceByMs(60'000);
    const QList<EngineRig::Sound> played = rig.sounds();
    ASSERT_EQ(played.size(), 13);

    const QByteArray midi = MidiExport::write(score, wide, {0, 100, 36, 0});
    const SmfReader::Result read = SmfReader::read(midi);
    ASSERT_EQ(read.error, SmfReader::Error::None);
    ASSERT_EQ(read.file.tracks.size(), 1);
    const QList<MidiNote> exported = notesOf(read.file.tracks[0]);
    ASSERT_EQ(exported.size(), played.size());
    for (qsizetype i = 0; i < played.size(); ++i)
        EXPECT_EQ(exported[i], (MidiNote{played[i].note, played[i].on, played[i].off})) << i;

    // One tick of the file is one millisecond: a quarter at tempo 100 is 600 ticks.
    EXPECT_EQ(read.file.division, 600);
    QList<std::pair<qint64, int>> programs;
    for (const SmfEvent& e : read.file.tracks[0].events)
        if (e.kind == SmfEvent::Kind::Channel && (e.status & 0xF0) == 0xC0)
            programs.append({e.tick, e.data1});
    QList<std::pair<qint64, int>> engineChanges = rig.programChanges();
    engineChanges.prepend({0, 0}); // the file starts with the instrument in force
    EXPECT_EQ(programs, engineChanges);
}

} // namespace
