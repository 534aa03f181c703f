#include "exchange/MidiExport.h"

#include "core/NoteTable.h"
#include "midi/SmfWriter.h"
#include "platform/MidiStatus.h"
#include "score/ScoreSchedule.h"
#include "score/ScoreTiming.h"

#include <algorithm>
#include <cmath>

namespace MidiExport {
namespace {

constexpr int kProgramCount = 128;

// Milliseconds per quarter note: the tempo counts beats of the beat unit's note value.
quint16 quarterMilliseconds(const ScoreWideValues& wide) {
    const double tempo = wide.TempoBpm >= 1 ? wide.TempoBpm : ScoreTiming::kFallbackTempo;
    const double beatUnit = wide.BeatUnit >= 1 ? wide.BeatUnit : 4;
    return quint16(std::clamp(std::lround(60000.0 / tempo * beatUnit / 4.0), 1L, 0x7FFFL));
}

class Track {
public:
    Track(SmfWriter& out, const Sound& sound) : out_(out), sound_(sound) {}

    void selectInstrument(qint64 at, int instrument) {
        if (instrument < 0 || instrument >= kProgramCount) return; // not in the list: kept
        instrument_ = instrument;
        out_.channelMessage(at, MidiStatus::on(MidiStatus::kControlChange, sound_.channel),
                            MidiStatus::kBankSelectController, 0);
        out_.channelMessage(at, MidiStatus::on(MidiStatus::kProgramChange, sound_.channel),
                            quint8(instrument), 0);
    }
    int instrument() const { return instrument_; }

    void strike(qint64 at, int keyIndex, int shift) {
        release(at);
        const int note = NoteTable::soundingNote(keyIndex, shift);
        if (note < 0 || note > 127) return; // the engine sends nothing for it either
        out_.channelMessage(at, MidiStatus::on(MidiStatus::kNoteOn, sound_.channel), quint8(note),
                            quint8(std::clamp(sound_.velocity, 0, 127)));
        sounding_ = note;
    }
    void release(qint64 at) {
        if (sounding_ < 0) return;
        out_.channelMessage(at, MidiStatus::on(MidiStatus::kNoteOff, sound_.channel),
                            quint8(sounding_), 0);
        sounding_ = -1;
    }

private:
    SmfWriter& out_;
    const Sound& sound_;
    int instrument_ = -1;
    int sounding_ = -1;
};

} // namespace

bool hasNotes(const Score& score) {
    // Row 0 never plays.
    return std::any_of(score.rows.cbegin() + std::min<qsizetype>(1, score.rows.size()),
                       score.rows.cend(), [](const ScoreRow& row) { return row.isNote(); });
}

QString noNotesText() {
    return QStringLiteral("错误：乐谱中没有音符，无法导出为 MIDI 文件！");
}

QByteArray write(const Score& score, const ScoreWideValues& wide, const Sound& given) {
    Sound sound = given;
    sound.channel = std::clamp(sound.channel, 0, 15);
    const quint16 quarter = quarterMilliseconds(wide);
    SmfWriter out(quarter);
    out.tempo(0, quint32(quarter) * 1000);
    Track track(out, sound);
    track.selectInstrument(0, sound.instrument);

    const QList<qint64> times = ScoreSchedule::tickTimes(score);
    int shift = sound.pitchShift;
    for (qint32 r = 1; r < score.rowCount(); ++r) {
        const ScoreRow& row = score.rows[r];
        const qint64 at = times[r];
        if (row.isNote()) {
            if (const auto instrument = score.InstrumentChanges.lastBefore(r);
                instrument && *instrument != track.instrument())
                track.selectInstrument(at, *instrument);
            if (const auto key = score.KeyChanges.lastBefore(r); key) shift = *key;
            track.strike(at, row.KeyIndex, shift);
        } else if (row.KeyIndex == ScoreRow::kRest) {
            track.release(at);
        }
    }
    track.release(times.last());
    return out.finish();
}

} // namespace MidiExport
