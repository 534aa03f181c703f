#include "midi/MidiImport.h"

#include "core/NumberText.h"
#include "midi/DurationCode.h"
#include "midi/MelodyLine.h"
#include "midi/MidiTempoMap.h"

#include <algorithm>

namespace MidiImport {
namespace {

// Key C: the pitch shift under which the notes sound as written.
constexpr int kPitchShiftOfC = 36;
constexpr int kPercussionChannel = 9;
// A stretch shorter than half the shortest code (a 64th) is a seam between two notes, not a
// note or rest of its own: it joins the one before it.
constexpr double kShortestStretch = 1.0 / 64;
// A rest longer than this (a dotted whole, give or take the rounding of the sums) is written as
// whole rests and the rest of it.
constexpr double kLongestRest = 1.5 + 1e-9;
// Whole rests written for one silence at most: a longer one is cut (and a file of absurd gaps
// gives no endless score).
constexpr int kMostWholeRests = 64;
// A row that ends further behind the file than this holds more than any code can (a note longer
// than a breve, a silence cut): the rest of its time is dropped, so that the rows after it keep
// their own lengths.
constexpr double kLongestLag = 1.0;
// Rows of a score at most, far below the size limit of score files: the melody stops there.
constexpr qsizetype kMostRows = 1'000'000;

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

int programOf(const SmfTrack& track) {
    for (const SmfEvent& event : track.events)
        if (event.kind == SmfEvent::Kind::Channel && (event.status & 0xF0) == 0xC0 &&
            (event.status & 0x0F) != kPercussionChannel)
            return event.data1;
    return 0;
}

// The key that sounds `note` in key C (the highest of two that do), after moving a note beyond
// the keyboard by octaves into it.
int keyOfNote(int note) {
    const int lowest = NoteTable::baseNote(0) + kPitchShiftOfC;
    const int highest = NoteTable::baseNote(NoteTable::kKeyCount - 1) + kPitchShiftOfC;
    while (note < lowest)
        note += 12;
    while (note > highest)
        note -= 12;
    for (int key = NoteTable::kKeyCount - 1; key >= 0; --key)
        if (NoteTable::baseNote(key) + kPitchShiftOfC == note) return key;
    return -1;
}

struct Stretch {
    double start; // whole notes at the score's tempo
    int note;
};

// The melody in whole notes, seams dropped; the end of the last note in `end`.
QList<Stretch> timedStretches(const SmfFile& file, const MelodyLine::Line& line, double wholeMs,
                              double& end) {
    MidiTempoMap time(file);
    QList<Stretch> timed;
    timed.reserve(line.stretches.size());
    for (const MelodyLine::Stretch& s : line.stretches)
        timed.append({time.milliseconds(s.startTick) / wholeMs, s.note});
    end = time.milliseconds(line.endTick) / wholeMs;

    QList<Stretch> kept;
    kept.reserve(timed.size());
    for (qsizetype i = 0; i < timed.size(); ++i) {
        const double next = i + 1 < timed.size() ? timed[i + 1].start : end;
        if (next - timed[i].start < kShortestStretch) continue;
        if (kept.isEmpty() && timed[i].note < 0) continue;
        kept.append(timed[i]);
    }
    return kept;
}

QString rowText(const NoteTable& notes, int note, const DurationCode::Code& code) {
    const QString name = note < 0 ? QStringLiteral("0") : notes.strNoteName(keyOfNote(note));
    return name + u'+' + QLatin1String(code.text) + QStringLiteral("\r\n");
}

QString captionText(QString title) {
    // A "+" would start the duration text, a line end a new row.
    title.remove(u'+');
    title.remove(u'\r');
    title.remove(u'\n');
    return title;
}

} // namespace

QList<TrackChoice> tracksWithNotes(const SmfFile& file) {
    QList<TrackChoice> choices;
    for (qsizetype i = 0; i < file.tracks.size(); ++i)
        if (const qsizetype count = MelodyLine::noteCount(file.tracks[i]); count > 0)
            choices.append({int(i), file.tracks[i].name, count});
    return choices;
}

int preferredChoice(const QList<TrackChoice>& choices) {
    int best = -1;
    for (qsizetype i = 0; i < choices.size(); ++i)
        if (best < 0 || choices[i].notes > choices[best].notes) best = int(i);
    return best;
}

QString scoreText(const SmfFile& file, int track, const NoteTable& notes, const QString& title) {
    if (track < 0 || track >= file.tracks.size()) return {};
    const MelodyLine::Line line = MelodyLine::extract(file.tracks[track]);
    const Metre metre = metreOf(file);
    // The score's tempo counts beats of the metre's unit.
    const double quarterBpm = 60'000'000.0 / MidiTempoMap(file).firstTempo();
    const qint32 tempo =
        std::clamp<qint32>(NumberText::roundToInt32(quarterBpm * metre.unit / 4.0), 1, 32767);
    const double wholeMs = 60000.0 / tempo * metre.unit;

    double end = 0;
    const QList<Stretch> stretches = timedStretches(file, line, wholeMs, end);
    if (stretches.isEmpty()) return {};

    // Each row gets the code nearest to the time left until its end, so that rounding never
    // accumulates: the rows stay within half a code of the file's times.
    QString body;
    qsizetype rows = 0;
    QList<int> used;
    double written = stretches.first().start;
    const auto add = [&](int note, const DurationCode::Code& code) {
        body += rowText(notes, note, code);
        ++rows;
        if (!used.contains(code.sixfold)) used.append(code.sixfold);
        written += code.wholeNotes();
    };
    for (qsizetype i = 0; i < stretches.size() && rows < kMostRows; ++i) {
        const double until = i + 1 < stretches.size() ? stretches[i + 1].start : end;
        for (int rests = 0;
             stretches[i].note < 0 && until - written > kLongestRest && rests < kMostWholeRests;
             ++rests)
            add(-1, DurationCode::nearest(1.0));
        add(stretches[i].note, DurationCode::nearest(until - written));
        if (until - written > kLongestLag) written = until;
    }

    QString text;
    text += QStringLiteral("%%1\r\n").arg(programOf(file.tracks[track]));
    text += QStringLiteral("!C\r\n");
    text += QStringLiteral("?%1/%2\r\n").arg(metre.numerator).arg(metre.unit);
    text += QStringLiteral("$%1\r\n").arg(tempo);
    text +=
        u'#' + captionText(title) + u'+' + DurationCode::tickCode(used) + QStringLiteral("\r\n");
    // No line end after the last row: an empty row after it would lengthen the last note.
    body.chop(2);
    return text + body;
}

QString noNotesText() {
    return QStringLiteral("错误：MIDI 文件中没有可导入的音符！");
}

} // namespace MidiImport
