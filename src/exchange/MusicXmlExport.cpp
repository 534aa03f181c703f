#include "exchange/MusicXmlExport.h"

#include "core/NoteTable.h"
#include "core/NumberText.h"
#include "core/VersionInfo.h"
#include "exchange/NoteValue.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QXmlStreamWriter>

#include <algorithm>

namespace MusicXmlExport {
namespace {

constexpr int kMidiNotes = 128;
// Below this mean pitch (the A under middle C) the melody reads better in the bass clef.
constexpr double kLowestTrebleMean = 57;

struct Event {
    int pitch; // -1 for a rest
    int units;
    int fifths;
    QString caption;
};

struct Metre {
    int numerator = 4;
    int unit = 4;
};

bool isNoteValue(int unit) {
    return unit >= 1 && unit <= 64 && (unit & (unit - 1)) == 0;
}

// The numerator is the number before the last "/" of the last metre row. A metre that is no
// time signature (a beat unit that is no note value) makes bars of 4/4.
Metre metreOf(const Score& score, const ScoreWideValues& wide) {
    Metre metre;
    metre.unit = wide.BeatUnit >= 1 ? wide.BeatUnit : 4;
    for (auto row = score.rows.crbegin(); row != score.rows.crend(); ++row) {
        if (!row->NoteText.startsWith(u'?')) continue;
        const QStringView token = QStringView(row->NoteText).mid(1);
        const qsizetype slash = token.lastIndexOf(u'/');
        if (slash >= 0) metre.numerator = NumberText::roundToInt32(NumberText::leadingNumber(token.left(slash)));
        break;
    }
    if (metre.numerator < 1 || metre.numerator > 99 || !isNoteValue(metre.unit))
        return {};
    return metre;
}

QString xmlText(QString text) {
    // Control characters cannot stand in XML 1.0.
    text.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return text;
}

QList<Event> eventsOf(const Score& score, const ScoreWideValues& wide, const Sound& sound) {
    // A row without a positive code lasts one tick: the largest code's length, or a beat when
    // no row has a positive code.
    const double tickCode = score.MaxDurationCode > 0 ? score.MaxDurationCode
                                                      : (wide.BeatUnit >= 1 ? wide.BeatUnit : 4);
    QList<Event> events;
    QString caption;
    qsizetype nextCaption = 0;
    for (qint32 r = 1; r < score.rowCount(); ++r) {
        while (nextCaption < score.CaptionChanges.size() && score.CaptionChanges.at(nextCaption).row <= r)
            caption = score.CaptionChanges.at(nextCaption++).value;
        const ScoreRow& row = score.rows[r];
        if (!row.isNote() && row.KeyIndex != ScoreRow::kRest) continue;
        const int units = NoteValue::unitsOfCode(row.DurationCode > 0 ? row.DurationCode : tickCode);
        const int shift = score.KeyChanges.lastBefore(r).value_or(sound.pitchShift);
        int pitch = row.isNote() ? NoteTable::soundingNote(row.KeyIndex, shift) : -1;
        if (pitch >= kMidiNotes) pitch = -1; // the engine sends nothing for it either
        events.append({pitch, units, fifthsOf(shift), pitch >= 0 ? caption : QString()});
        if (pitch >= 0) caption.clear();
    }
    return events;
}

class PartWriter {
public:
    PartWriter(QXmlStreamWriter& xml, const Metre& metre)
        : xml_(xml), measureUnits_(metre.numerator * NoteValue::kUnitsPerWhole / metre.unit) {}

    void firstAttributes(int fifths, const Metre& metre, bool bassClef) {
        openMeasure();
        xml_.writeStartElement(QStringLiteral("attributes"));
        xml_.writeTextElement(QStringLiteral("divisions"), QString::number(NoteValue::kUnitsPerQuarter));
        writeKey(fifths);
        xml_.writeStartElement(QStringLiteral("time"));
        xml_.writeTextElement(QStringLiteral("beats"), QString::number(metre.numerator));
        xml_.writeTextElement(QStringLiteral("beat-type"), QString::number(metre.unit));
        xml_.writeEndElement();
        xml_.writeStartElement(QStringLiteral("clef"));
        xml_.writeTextElement(QStringLiteral("sign"), bassClef ? QStringLiteral("F") : QStringLiteral("G"));
        xml_.writeTextElement(QStringLiteral("line"), bassClef ? QStringLiteral("4") : QStringLiteral("2"));
        xml_.writeEndElement();
        xml_.writeEndElement();
        fifths_ = fifths;
    }

    // The score's tempo counts beats of its beat unit; MusicXML's sounding tempo counts quarters.
    void tempo(double bpm, int beatUnit) {
        const QString beatType = isNoteValue(beatUnit) ? noteType(beatUnit) : QStringLiteral("quarter");
        const double perMinute = isNoteValue(beatUnit) ? bpm : bpm * 4 / beatUnit;
        xml_.writeStartElement(QStringLiteral("direction"));
        xml_.writeAttribute(QStringLiteral("placement"), QStringLiteral("above"));
        xml_.writeStartElement(QStringLiteral("direction-type"));
        xml_.writeStartElement(QStringLiteral("metronome"));
        xml_.writeTextElement(QStringLiteral("beat-unit"), beatType);
        xml_.writeTextElement(QStringLiteral("per-minute"), QString::number(perMinute, 'g', 6));
        xml_.writeEndElement();
        xml_.writeEndElement();
        xml_.writeEmptyElement(QStringLiteral("sound"));
        xml_.writeAttribute(QStringLiteral("tempo"), QString::number(bpm * 4 / beatUnit, 'g', 8));
        xml_.writeEndElement();
    }

    void event(const Event& event) {
        if (event.pitch >= 0 && event.fifths != fifths_) {
            openMeasure();
            xml_.writeStartElement(QStringLiteral("attributes"));
            writeKey(event.fifths);
            xml_.writeEndElement();
            fifths_ = event.fifths;
        }
        int left = event.units;
        bool first = true;
        while (left > 0) {
            openMeasure();
            const int piece = std::min(left, measureUnits_ - at_);
            const QList<NoteValue::Value> values = NoteValue::split(piece);
            left -= piece;
            for (qsizetype i = 0; i < values.size(); ++i) {
                const bool last = left == 0 && i + 1 == values.size();
                note(values[i], event.pitch, event.pitch >= 0 && !first, event.pitch >= 0 && !last,
                     first ? event.caption : QString());
                first = false;
            }
            at_ += piece;
        }
    }

    // Rests fill the last bar; it ends with a final bar line.
    void finish() {
        if (at_ < measureUnits_)
            for (const NoteValue::Value& value : NoteValue::split(measureUnits_ - at_))
                note(value, -1, false, false, QString());
        xml_.writeStartElement(QStringLiteral("barline"));
        xml_.writeAttribute(QStringLiteral("location"), QStringLiteral("right"));
        xml_.writeTextElement(QStringLiteral("bar-style"), QStringLiteral("light-heavy"));
        xml_.writeEndElement();
        xml_.writeEndElement(); // the last measure
    }

private:
    static QString noteType(int unit) {
        switch (unit) {
        case 1: return QStringLiteral("whole");
        case 2: return QStringLiteral("half");
        case 8: return QStringLiteral("eighth");
        case 16: return QStringLiteral("16th");
        case 32: return QStringLiteral("32nd");
        case 64: return QStringLiteral("64th");
        default: return QStringLiteral("quarter");
        }
    }

    // A full bar is closed only when more follows, so that the final bar line goes into it.
    void openMeasure() {
        if (open_ && at_ < measureUnits_) return;
        if (open_) xml_.writeEndElement();
        xml_.writeStartElement(QStringLiteral("measure"));
        xml_.writeAttribute(QStringLiteral("number"), QString::number(++number_));
        open_ = true;
        at_ = 0;
    }

    void writeKey(int fifths) {
        xml_.writeStartElement(QStringLiteral("key"));
        xml_.writeTextElement(QStringLiteral("fifths"), QString::number(fifths));
        xml_.writeTextElement(QStringLiteral("mode"), QStringLiteral("major"));
        xml_.writeEndElement();
    }

    void pitch(int midiNote) {
        // Flat keys spell the black keys as flats, the others as sharps.
        static const char* const kSharps[] = {"C", "C", "D", "D", "E", "F", "F", "G", "G", "A", "A", "B"};
        static const int kSharpAlter[] = {0, 1, 0, 1, 0, 0, 1, 0, 1, 0, 1, 0};
        static const char* const kFlats[] = {"C", "D", "D", "E", "E", "F", "G", "G", "A", "A", "B", "B"};
        static const int kFlatAlter[] = {0, -1, 0, -1, 0, 0, -1, 0, -1, 0, -1, 0};
        const int pc = midiNote % 12;
        const bool flats = fifths_ < 0;
        xml_.writeStartElement(QStringLiteral("pitch"));
        xml_.writeTextElement(QStringLiteral("step"), QLatin1String(flats ? kFlats[pc] : kSharps[pc]));
        if (const int alter = flats ? kFlatAlter[pc] : kSharpAlter[pc]; alter != 0)
            xml_.writeTextElement(QStringLiteral("alter"), QString::number(alter));
        xml_.writeTextElement(QStringLiteral("octave"), QString::number(midiNote / 12 - 1));
        xml_.writeEndElement();
    }

    // The children of <note> in the order the schema requires.
    void note(const NoteValue::Value& value, int midiNote, bool tieBefore, bool tieAfter,
              const QString& lyric) {
        openMeasure();
        xml_.writeStartElement(QStringLiteral("note"));
        if (midiNote >= 0)
            pitch(midiNote);
        else
            xml_.writeEmptyElement(QStringLiteral("rest"));
        xml_.writeTextElement(QStringLiteral("duration"), QString::number(value.units));
        const auto ties = [&](const QString& element) {
            if (tieBefore) writeTie(element, QStringLiteral("stop"));
            if (tieAfter) writeTie(element, QStringLiteral("start"));
        };
        ties(QStringLiteral("tie"));
        xml_.writeTextElement(QStringLiteral("voice"), QStringLiteral("1"));
        xml_.writeTextElement(QStringLiteral("type"), value.type);
        if (value.dotted) xml_.writeEmptyElement(QStringLiteral("dot"));
        if (value.triplet) {
            xml_.writeStartElement(QStringLiteral("time-modification"));
            xml_.writeTextElement(QStringLiteral("actual-notes"), QStringLiteral("3"));
            xml_.writeTextElement(QStringLiteral("normal-notes"), QStringLiteral("2"));
            xml_.writeEndElement();
        }
        if (tieBefore || tieAfter) {
            xml_.writeStartElement(QStringLiteral("notations"));
            ties(QStringLiteral("tied"));
            xml_.writeEndElement();
        }
        if (!lyric.isEmpty()) {
            xml_.writeStartElement(QStringLiteral("lyric"));
            xml_.writeAttribute(QStringLiteral("number"), QStringLiteral("1"));
            xml_.writeTextElement(QStringLiteral("syllabic"), QStringLiteral("single"));
            xml_.writeTextElement(QStringLiteral("text"), lyric);
            xml_.writeEndElement();
        }
        xml_.writeEndElement();
    }

    void writeTie(const QString& element, const QString& type) {
        xml_.writeEmptyElement(element);
        xml_.writeAttribute(QStringLiteral("type"), type);
    }

    QXmlStreamWriter& xml_;
    const int measureUnits_;
    int at_ = 0;
    int number_ = 0;
    int fifths_ = 0;
    bool open_ = false;
};

void writeHeader(QXmlStreamWriter& xml, const QString& title, int instrument) {
    const QString name = QStringLiteral("旋律");
    xml.writeStartElement(QStringLiteral("work"));
    xml.writeTextElement(QStringLiteral("work-title"), xmlText(title));
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("identification"));
    xml.writeStartElement(QStringLiteral("encoding"));
    xml.writeTextElement(QStringLiteral("software"), QStringLiteral("%1 %2").arg(
                             QLatin1String(VersionInfo::productName), QLatin1String(VersionInfo::versionText)));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("part-list"));
    xml.writeStartElement(QStringLiteral("score-part"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1"));
    xml.writeTextElement(QStringLiteral("part-name"), name);
    xml.writeStartElement(QStringLiteral("score-instrument"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1-I1"));
    xml.writeTextElement(QStringLiteral("instrument-name"), name);
    xml.writeEndElement();
    xml.writeStartElement(QStringLiteral("midi-instrument"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1-I1"));
    xml.writeTextElement(QStringLiteral("midi-channel"), QStringLiteral("1"));
    xml.writeTextElement(QStringLiteral("midi-program"), QString::number(std::clamp(instrument, 0, 127) + 1));
    xml.writeEndElement();
    xml.writeEndElement();
    xml.writeEndElement();
}

bool lowMelody(const QList<Event>& events) {
    double sum = 0;
    int count = 0;
    for (const Event& event : events)
        if (event.pitch >= 0) {
            sum += event.pitch;
            ++count;
        }
    return count > 0 && sum / count < kLowestTrebleMean;
}

} // namespace

QByteArray write(const Score& score, const ScoreWideValues& wide, const Sound& sound,
                 const QString& title) {
    QList<Event> events = eventsOf(score, wide, sound);
    if (std::none_of(events.cbegin(), events.cend(), [](const Event& e) { return e.pitch >= 0; }))
        return {};
    const Metre metre = metreOf(score, wide);
    const double tempo = wide.TempoBpm >= 1 ? wide.TempoBpm : ScoreTiming::kFallbackTempo;
    const int beatUnit = wide.BeatUnit >= 1 ? wide.BeatUnit : 4;

    QByteArray bytes;
    QXmlStreamWriter xml(&bytes);
    xml.setAutoFormatting(true);
    xml.writeStartDocument(QStringLiteral("1.0"), false);
    xml.writeDTD(QStringLiteral("<!DOCTYPE score-partwise PUBLIC \"-//Recordare//DTD MusicXML 4.0 "
                                "Partwise//EN\" \"http://www.musicxml.org/dtds/partwise.dtd\">"));
    xml.writeStartElement(QStringLiteral("score-partwise"));
    xml.writeAttribute(QStringLiteral("version"), QStringLiteral("4.0"));
    writeHeader(xml, title, sound.instrument);
    xml.writeStartElement(QStringLiteral("part"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("P1"));
    PartWriter part(xml, metre);
    part.firstAttributes(events.first().fifths, metre, lowMelody(events));
    part.tempo(tempo, beatUnit);
    for (Event& event : events) {
        event.caption = xmlText(event.caption);
        part.event(event);
    }
    part.finish();
    xml.writeEndDocument();
    return bytes;
}

int fifthsOf(int pitchShift) {
    static const int kFifths[] = {0, -5, 2, -3, 4, -1, 6, 1, -4, 3, -2, 5};
    return kFifths[(pitchShift % 12 + 12) % 12];
}

QString noNotesText() {
    return QStringLiteral("错误：乐谱中没有可导出的音符！");
}

} // namespace MusicXmlExport
