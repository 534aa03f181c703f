#include "exchange/MidiImport.h"

#include "midi/ChannelNotes.h"
#include "midi/MelodyLine.h"
#include "midi/MidiTempoMap.h"
#include "platform/MidiStatus.h"

#include <algorithm>

namespace MidiImport {
namespace {

struct Metre {
    int numerator = 4;
    int unit = 4;
};

Metre metreOf(const SmfFile& file) {
    const SmfEvent* first = nullptr;
    for (const SmfTrack& track : file.tracks)
        for (const SmfEvent& event : track.events)
            if (event.kind == SmfEvent::Kind::TimeSignature && (!first || event.tick < first->tick))
                first = &event;
    if (!first || first->data1 == 0 || first->data2 > 6) return {};
    return {first->data1, 1 << first->data2};
}

int programOf(const SmfTrack& track, int channel) {
    for (const SmfEvent& event : track.events)
        if (event.kind == SmfEvent::Kind::Channel &&
            event.status == MidiStatus::on(MidiStatus::kProgramChange, channel))
            return event.data1;
    return 0;
}

// A 64th at the file's first tempo, or 1/32 s in SMPTE time.
qint64 sixtyFourthTicks(const SmfFile& file) {
    if (file.division > 0) return std::max(1, file.division / 16);
    const int framesPerSecond = -(file.division >> 8);
    return std::max(1, framesPerSecond * (file.division & 0xFF) / 32);
}

} // namespace

QList<MelodyChoice> choices(const SmfFile& file) {
    QList<MelodyChoice> choices;
    for (qsizetype i = 0; i < file.tracks.size(); ++i) {
        const auto counts = ChannelNotes::counts(file.tracks[i]);
        for (int channel = 0; channel < ChannelNotes::kChannelCount; ++channel)
            if (counts[std::size_t(channel)] > 0 && channel != MidiStatus::kPercussionChannel)
                choices.append(
                    {int(i), channel, file.tracks[i].name, counts[std::size_t(channel)]});
    }
    return choices;
}

int preferredChoice(const QList<MelodyChoice>& choices) {
    int best = -1;
    for (qsizetype i = 0; i < choices.size(); ++i)
        if (best < 0 || choices[i].notes > choices[best].notes) best = int(i);
    return best;
}

ImportedMelody melody(const SmfFile& file, const MelodyChoice& voice, const QString& title) {
    ImportedMelody melody;
    if (voice.track < 0 || voice.track >= file.tracks.size()) return melody;
    const SmfTrack& track = file.tracks[voice.track];
    const MelodyLine::Line line =
        MelodyLine::extract(ChannelNotes::of(track, voice.channel), sixtyFourthTicks(file));
    const Metre metre = metreOf(file);
    melody.instrument = programOf(track, voice.channel);
    melody.metreNumerator = metre.numerator;
    melody.metreUnit = metre.unit;
    melody.title = title;
    if (line.stretches.isEmpty()) return melody;

    MidiTempoMap time(file);
    const quint32 tempo = time.longestTempo(line.stretches.first().startTick, line.endTick);
    // The score's tempo counts beats of the metre's unit.
    melody.tempo = 60'000'000.0 / tempo * metre.unit / 4.0;
    const QList<MelodyLine::Stretch>& stretches = line.stretches;
    for (qsizetype i = 0; i < stretches.size(); ++i) {
        const qint64 end = i + 1 < stretches.size() ? stretches[i + 1].startTick : line.endTick;
        const double startMs = time.milliseconds(stretches[i].startTick);
        if (stretches[i].note >= 0)
            melody.notes.append({startMs, time.milliseconds(end), stretches[i].note, {}});
    }
    melody.endMs = melody.notes.last().endMs;
    return melody;
}

QString noNotesText() {
    return QStringLiteral("错误：MIDI 文件中没有可导入的音符！");
}

} // namespace MidiImport
