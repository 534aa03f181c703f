#include "score/MelodyScoreWriter.h"

#include "core/NumberText.h"
#include "score/RowCodes.h"
#include "score/ScoreParser.h"
#include "score/ScoreTiming.h"

#include <algorithm>
#include <cmath>

namespace MelodyScoreWriter {
namespace {

const QString kCrLf = QStringLiteral("\r\n");
// Far below the size limit of score files: the melody stops there.
constexpr qsizetype kMostRows = 1'000'000;
// How far from its time a row may end and still take a usual code: 20 ms, and an eighth of the
// row for short ones, so that a run of 64ths keeps its evenness.
constexpr double kMostDriftMs = 20;
constexpr double kDriftPart = 1.0 / 8;
// A silence shorter than a 32nd, and not longer than the note before it, is that note's
// articulation, not a rest: the note sounds on through it.
constexpr double kSeamPart = 1.0 / 32;
// A silence is written as whole rests one after another up to this many; beyond, the excess
// takes one row.
constexpr int kMostWholeRests = 16;
// Tick codes tried, as parts of the whole note added to it.
constexpr double kTickNudges[] = {0, -1e-6, 1e-6, -3e-4, 3e-4};

QString withoutRowMarks(QString text) {
    // A "+" would start the duration text, a line end a new row.
    text.remove(u'+');
    text.remove(u'\r');
    text.remove(u'\n');
    return text;
}

// A stretch of the score: a note (0..127) or a rest (-1) that ends at `endMs`, each starting
// where the one before ends.
struct Segment {
    double endMs;
    int pitch;
    QString caption;
};

QList<Segment> segmentsOf(const ImportedMelody& melody, double wholeMs) {
    QList<Segment> segments;
    const QList<ImportedMelody::Note>& notes = melody.notes;
    double start = notes.first().startMs;
    for (qsizetype i = 0; i < notes.size(); ++i) {
        const bool last = i + 1 == notes.size();
        const double next =
            std::max(start, last ? std::max(melody.endMs, notes[i].endMs) : notes[i + 1].startMs);
        const double end = std::clamp(notes[i].endMs, start, next);
        const double gap = next - end;
        const bool seam = gap < wholeMs * kSeamPart && gap <= end - start;
        segments.append({seam ? next : end, notes[i].midiNote, withoutRowMarks(notes[i].caption)});
        if (!seam) segments.append({next, -1, {}});
        start = next;
    }
    return segments;
}

struct Written {
    QString text;
    qsizetype exactRows = 0;
};

class Writer {
public:
    // Without `keepText` the rows are only counted and timed.
    Writer(float tickCode, qint32 interval, bool keepText)
        : codes_(tickCode, interval), interval_(interval), keepText_(keepText) {}

    void row(const QString& text, qint64 slotCount = 1) {
        if (keepText_) text_ += text + kCrLf;
        ++rows_;
        slot_ += slotCount;
    }
    bool full() const { return rows_ >= kMostRows; }
    qint64 slot() const { return slot_; }
    double slotsOf(double ms) const { return ms / interval_; }

    void note(const QString& name, double endSlot) {
        const double wanted = endSlot - double(slot_);
        const std::optional<RowCodes::Code> usual = codes_.usual(wanted, tolerance(wanted));
        const RowCodes::Code code = usual.value_or(codes_.exact(std::llround(wanted)));
        exactRows_ += !usual;
        row(name + u'+' + code.text, code.slotCount);
    }

    void rest(double endSlot) {
        const qint64 whole = codes_.slotsOf(QStringLiteral("1.0"));
        for (double wanted = endSlot - double(slot_); wanted >= 2 && !full();
             wanted = endSlot - double(slot_)) {
            if (const auto code = codes_.usual(wanted, tolerance(wanted))) return add(*code);
            if (wanted > double(kMostWholeRests + 1) * double(whole)) {
                addExact(std::llround(wanted) - kMostWholeRests * whole);
                continue;
            }
            // The rest of the silence needs at least two slots of its own.
            const auto plain = codes_.plainAtMost(wanted - 2);
            if (!plain) return addExact(std::llround(wanted));
            add(*plain);
        }
    }

    Written written() {
        text_.chop(kCrLf.size());
        return {std::move(text_), exactRows_};
    }

private:
    double tolerance(double slotCount) const {
        return std::min(kMostDriftMs / interval_, slotCount * kDriftPart);
    }
    void add(const RowCodes::Code& code) { row(QStringLiteral("0+") + code.text, code.slotCount); }
    void addExact(qint64 slotCount) {
        ++exactRows_;
        add(codes_.exact(slotCount));
    }

    RowCodes codes_;
    qint32 interval_;
    bool keepText_;
    QString text_;
    qsizetype rows_ = 0;
    qint64 slot_ = 0; // of the play timer, at which the next row plays
    qsizetype exactRows_ = 0;
};

qint32 intervalOf(const ScoreWideValues& wide, const QString& tickCode) {
    return ScoreTiming::timerInterval(
        ScoreTiming::tickLength(wide, NumberText::toSingle(NumberText::leadingNumber(tickCode))));
}

Written write(const ImportedMelody& melody, const NoteTable& notes, const ScoreWideValues& wide,
              const QString& tickCode, const QList<Segment>& segments, bool keepText) {
    const int shift = PitchValue(PitchName(melody.pitchShift));
    Writer out(NumberText::toSingle(NumberText::leadingNumber(tickCode)),
               intervalOf(wide, tickCode), keepText);
    out.row(u'%' + QString::number(std::clamp(melody.instrument, 0, 127)));
    out.row(u'!' + PitchName(shift));
    out.row(QStringLiteral("?%1/%2").arg(std::max(1, melody.metreNumerator)).arg(wide.BeatUnit));
    out.row(QStringLiteral("$%1+%2").arg(wide.TempoBpm).arg(tickCode));
    if (const QString title = withoutRowMarks(melody.title); !title.isEmpty())
        out.row(u'#' + title);
    // Times count from the first note, which plays at `origin`.
    const double firstMs = melody.notes.first().startMs;
    double origin = 0;
    for (qsizetype i = 0; i < segments.size() && !out.full(); ++i) {
        const Segment& segment = segments[i];
        if (!segment.caption.isEmpty()) out.row(u'#' + segment.caption);
        if (i == 0) origin = double(out.slot());
        // A caption row before the next note takes a slot of this one.
        const bool captionNext = i + 1 < segments.size() && !segments[i + 1].caption.isEmpty();
        const double end = origin + out.slotsOf(segment.endMs - firstMs) - (captionNext ? 1 : 0);
        if (segment.pitch < 0)
            out.rest(end);
        else
            out.note(notes.strNoteName(NoteTable::keyOfNote(segment.pitch, shift)), end);
    }
    return out.written();
}

} // namespace

QString scoreText(const ImportedMelody& melody, const NoteTable& notes) {
    if (melody.notes.isEmpty()) return {};
    const qint16 unit = qint16(std::clamp(melody.metreUnit, 1, 0x7FFF));
    const double tempo = melody.tempo > 0 ? melody.tempo : 120;
    const ScoreWideValues wide{qint16(std::clamp(NumberText::roundToInt32(tempo), 1, 0x7FFF)),
                               unit};
    const double wholeMs = 60000.0 * unit / tempo;
    const QList<Segment> segments = segmentsOf(melody, wholeMs);
    // The tick code is the melody's whole note in milliseconds: the tick is one millisecond and
    // every usual code lasts what it lasts in the melody, whatever the rounding of the tempo row
    // (which only moves the estimate of the playing time). Where the tempo row is too far off
    // for that, its own whole note. A code that lasts no whole number of milliseconds is rounded
    // by the engine, each time the same way; a tick code a hair longer or shorter rounds some
    // codes the other way. Of these, the one that needs the fewest exact codes to keep time.
    QString best;
    qsizetype fewest = -1;
    for (const double nudge : kTickNudges) {
        QString tickCode = RowCodes::format(wholeMs * (1 + nudge), 4);
        if (intervalOf(wide, tickCode) != 1)
            tickCode = RowCodes::format(60000.0 * unit / wide.TempoBpm * (1 + nudge), 4);
        const qsizetype exactRows = write(melody, notes, wide, tickCode, segments, false).exactRows;
        if (fewest < 0 || exactRows < fewest) {
            fewest = exactRows;
            best = tickCode;
        }
    }
    return write(melody, notes, wide, best, segments, true).text;
}

} // namespace MelodyScoreWriter
