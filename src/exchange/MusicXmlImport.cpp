#include "exchange/MusicXmlImport.h"

#include <algorithm>
#include <cmath>

namespace MusicXmlImport {
namespace {

using Note = MusicXmlFile::Note;

// Positions closer than this (in quarter notes) are one moment: sums of decimal divisions are
// not exact.
constexpr double kSameMoment = 1e-6;
// MusicXML's tempo when a file gives none.
constexpr double kDefaultQuarterBpm = 120;

// Quarter notes to milliseconds through the tempo marks; positions must be asked for in
// non-decreasing order for the walk to stay linear.
class TempoMap {
public:
    explicit TempoMap(const QList<MusicXmlFile::Tempo>& tempos) : tempos_(tempos) {
        // The first mark holds from the start, as a mark printed over the first note does.
        if (tempos_.isEmpty()) tempos_.append({0, kDefaultQuarterBpm});
        tempos_.first().at = 0;
    }
    double firstQuarterBpm() const { return tempos_.first().quarterBpm; }

    double milliseconds(double at) {
        if (at < tempos_[at_].at) {
            at_ = 0;
            msAtMark_ = 0;
        }
        while (at_ + 1 < tempos_.size() && tempos_[at_ + 1].at <= at) {
            msAtMark_ += (tempos_[at_ + 1].at - tempos_[at_].at) * msPerQuarter(at_);
            ++at_;
        }
        return msAtMark_ + (at - tempos_[at_].at) * msPerQuarter(at_);
    }

private:
    double msPerQuarter(qsizetype i) const { return 60000.0 / tempos_[i].quarterBpm; }

    QList<MusicXmlFile::Tempo> tempos_;
    qsizetype at_ = 0;
    double msAtMark_ = 0;
};

// A note that names no voice is in voice 1.
QString voiceOf(const Note& note) {
    return note.voice.isEmpty() ? QStringLiteral("1") : note.voice;
}

// Voice 1, or the voice of the part's first note when no note is in voice 1.
QString melodyVoice(const QList<Note>& notes) {
    for (const Note& n : notes)
        if (voiceOf(n) == u"1") return QStringLiteral("1");
    return notes.isEmpty() ? QString() : voiceOf(notes.first());
}

struct Sounding {
    double start;
    double end;
    int pitch;
    QString lyric;
    bool tieOpen; // a tie starts at its end
};

// The voice's notes with every tied continuation joined to the note it continues.
QList<Sounding> joinedTies(const QList<Note>& notes, const QString& voice) {
    QList<Note> inVoice;
    for (const Note& n : notes)
        if (voiceOf(n) == voice) inVoice.append(n);
    std::stable_sort(inVoice.begin(), inVoice.end(),
                     [](const Note& a, const Note& b) { return a.start < b.start; });
    QList<Sounding> joined;
    for (const Note& n : inVoice) {
        const double end = n.start + n.length;
        if (n.tieStop) {
            // The open tie of this pitch that ends where this note starts, looking back a little.
            auto open = std::find_if(joined.rbegin(), joined.rend(), [&](const Sounding& s) {
                return s.tieOpen && s.pitch == n.pitch && std::abs(s.end - n.start) < kSameMoment;
            });
            if (open != joined.rend()) {
                open->end = std::max(open->end, end);
                open->tieOpen = n.tieStart;
                continue;
            }
        }
        joined.append({n.start, end, n.pitch, n.lyric, n.tieStart});
    }
    std::stable_sort(joined.begin(), joined.end(),
                     [](const Sounding& a, const Sounding& b) { return a.start < b.start; });
    return joined;
}

// One note at each moment, the highest of a chord (with the chord's lyric), each cut where the
// next one starts.
QList<Sounding> topLine(const QList<Sounding>& joined) {
    QList<Sounding> line;
    for (const Sounding& s : joined) {
        if (!line.isEmpty() && s.start - line.last().start < kSameMoment) {
            Sounding& top = line.last();
            const QString lyric = top.lyric.isEmpty() ? s.lyric : top.lyric;
            if (s.pitch > top.pitch) top = s;
            top.lyric = lyric;
            continue;
        }
        if (!line.isEmpty()) line.last().end = std::min(line.last().end, s.start);
        line.append(s);
    }
    return line;
}

// Lyrics and titles may break lines in the file; a caption is one line (the score writer keeps
// out what would end its row).
QString captionText(const QString& text) {
    return text.simplified();
}

} // namespace

QList<PartChoice> partsWithNotes(const MusicXmlFile& file) {
    QList<PartChoice> choices;
    for (qsizetype i = 0; i < file.parts.size(); ++i)
        if (!file.parts[i].notes.isEmpty())
            choices.append({i, file.parts[i].name, file.parts[i].notes.size()});
    return choices;
}

qsizetype preferredChoice(const QList<PartChoice>& choices) {
    const auto most = std::max_element(choices.begin(), choices.end(), [](const auto& a, const auto& b) {
        return a.notes < b.notes;
    });
    return most == choices.end() ? -1 : most - choices.begin();
}

ImportedMelody melody(const MusicXmlFile& file, qsizetype part, const QString& fallbackTitle) {
    ImportedMelody melody;
    if (part < 0 || part >= file.parts.size()) return melody;
    const MusicXmlFile::Part& source = file.parts[part];
    TempoMap time(file.tempos);
    melody.instrument = source.program;
    melody.pitchShift = pitchShiftOf(source.keyPitchClass);
    melody.metreNumerator = file.metreNumerator;
    melody.metreUnit = file.metreUnit;
    // The score's tempo counts beats of the metre's unit.
    melody.tempo = time.firstQuarterBpm() * file.metreUnit / 4.0;
    melody.title = captionText(file.title.isEmpty() ? fallbackTitle : file.title);

    const QList<Sounding> line = topLine(joinedTies(source.notes, melodyVoice(source.notes)));
    melody.notes.reserve(line.size());
    for (const Sounding& s : line)
        melody.notes.append({time.milliseconds(s.start), time.milliseconds(s.end), s.pitch,
                             captionText(s.lyric)});
    const double lastEnd = melody.notes.isEmpty() ? 0 : melody.notes.last().endMs;
    melody.endMs = std::max(lastEnd, TempoMap(file.tempos).milliseconds(source.end));
    return melody;
}

int pitchShiftOf(int pitchClass) {
    const int pc = (pitchClass % 12 + 12) % 12;
    // The key table runs from F (29) up to E (40).
    return pc <= 4 ? 36 + pc : 24 + pc;
}

QString noNotesText() {
    return QStringLiteral("错误：MusicXML 文件中没有可导入的音符！");
}

} // namespace MusicXmlImport
