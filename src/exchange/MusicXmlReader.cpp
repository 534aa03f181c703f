#include "exchange/MusicXmlReader.h"

#include "exchange/MxlArchive.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <optional>

namespace MusicXmlReader {
namespace {

constexpr qsizetype kLongestLyric = 200;
// Tempos outside this range (quarter notes a minute) are typing errors, not music: passed over.
constexpr double kSlowestTempo = 1;
constexpr double kFastestTempo = 2000;

// Where the reading of one part stands, in quarter notes from the start of the piece.
struct PartState {
    qsizetype index = 0; // into MusicXmlFile::parts
    double divisions = 1;
    double measureStart = 0;
    double cursor = 0;
    double furthest = 0;
    double lastStart = 0; // of the last note that was no chord member
    int transpose = 0;    // semitones from the written to the sounding pitch
    std::optional<int> fifths;
    std::optional<int> keyTranspose; // the transposition in force in the first key's measure
};

struct NoteRead {
    bool grace = false;
    bool cue = false;
    bool chord = false;
    bool sounds = false; // a pitch, neither a rest nor unpitched
    int step = 0;
    double alter = 0;
    int octave = 4;
    double quarters = 0;
    bool tieStart = false;
    bool tieStop = false;
    QString voice;
    QString lyric;
    bool hasLyric = false;
};

// C 0, D 2, E 4, F 5, G 7, A 9, B 11; -1 for anything else.
int stepPitchClass(QStringView step) {
    static const QString kSteps = QStringLiteral("C.D.EF.G.A.B");
    const qsizetype at = step.size() == 1 && step != u"." ? kSteps.indexOf(step.at(0)) : -1;
    return int(at);
}

// The metronome's beat in quarter notes; 0 for an unknown name.
double beatQuarters(QStringView unit) {
    static const QHash<QString, double> kBeats{
        {QStringLiteral("breve"), 8}, {QStringLiteral("whole"), 4},    {QStringLiteral("half"), 2},
        {QStringLiteral("quarter"), 1}, {QStringLiteral("eighth"), 0.5}, {QStringLiteral("16th"), 0.25},
        {QStringLiteral("32nd"), 0.125}, {QStringLiteral("64th"), 0.0625}};
    return kBeats.value(unit.trimmed().toString(), 0);
}

class Parser {
public:
    explicit Parser(const QByteArray& xml) : xml_(xml) {}

    Result run() {
        document();
        // What follows the root must still be well-formed: a file cut short is no score.
        while (!xml_.atEnd())
            xml_.readNext();
        if (result_.error == Error::None && xml_.hasError()) fail(Error::Malformed);
        if (result_.error != Error::None) return {{}, result_.error, result_.line};
        finish();
        return std::move(result_);
    }

private:
    bool failed() const { return result_.error != Error::None; }

    void fail(Error error) {
        if (failed()) return;
        result_.error = error;
        result_.line = xml_.lineNumber();
        if (!xml_.hasError()) xml_.raiseError();
    }

    void document() {
        while (!xml_.atEnd() && !xml_.isStartElement()) {
            xml_.readNext();
            // Entities are the road to exponential expansion; no score needs them.
            if (xml_.isDTD() && !xml_.entityDeclarations().isEmpty()) return fail(Error::Entities);
        }
        if (!xml_.isStartElement()) return fail(Error::NotMusicXml);
        const bool partwise = xml_.name() == u"score-partwise";
        if (!partwise && xml_.name() != u"score-timewise") return fail(Error::NotMusicXml);
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"work")
                work();
            else if (name == u"movement-title")
                movementTitle_ = text();
            else if (name == u"part-list")
                partList();
            else if (name == u"part" && partwise)
                part();
            else if (name == u"measure" && !partwise)
                timewiseMeasure();
            else
                xml_.skipCurrentElement();
        }
    }

    QString text() { return xml_.readElementText(QXmlStreamReader::SkipChildElements).trimmed(); }

    // The text of the current element's first child named `name`; the other children are passed
    // over.
    QString childText(QStringView name) {
        QString found;
        bool seen = false;
        while (xml_.readNextStartElement())
            if (xml_.name() == name && !seen) {
                found = text();
                seen = true;
            } else {
                xml_.skipCurrentElement();
            }
        return found;
    }

    void work() {
        while (xml_.readNextStartElement())
            if (xml_.name() == u"work-title")
                workTitle_ = text();
            else
                xml_.skipCurrentElement();
    }

    PartState& state(const QString& id) {
        auto found = states_.find(id);
        if (found != states_.end()) return *found;
        result_.file.parts.append(MusicXmlFile::Part());
        result_.file.parts.last().id = id;
        PartState fresh;
        fresh.index = result_.file.parts.size() - 1;
        return *states_.insert(id, fresh);
    }

    void partList() {
        while (xml_.readNextStartElement()) {
            if (xml_.name() != u"score-part") {
                xml_.skipCurrentElement();
                continue;
            }
            MusicXmlFile::Part& part =
                result_.file.parts[state(xml_.attributes().value(QLatin1String("id")).toString()).index];
            std::optional<int> program;
            while (xml_.readNextStartElement()) {
                if (xml_.name() == u"part-name")
                    part.name = text();
                else if (xml_.name() == u"midi-instrument")
                    midiInstrument(program);
                else
                    xml_.skipCurrentElement();
            }
            part.program = program.value_or(0);
        }
    }

    void midiInstrument(std::optional<int>& program) {
        bool ok = false;
        const int number = childText(u"midi-program").toInt(&ok);
        if (ok && number >= 1 && number <= 128 && !program) program = number - 1;
    }

    void part() {
        PartState& part = state(xml_.attributes().value(QLatin1String("id")).toString());
        while (xml_.readNextStartElement())
            if (xml_.name() == u"measure")
                measure(part);
            else
                xml_.skipCurrentElement();
    }

    void timewiseMeasure() {
        while (xml_.readNextStartElement())
            if (xml_.name() == u"part")
                measure(state(xml_.attributes().value(QLatin1String("id")).toString()));
            else
                xml_.skipCurrentElement();
    }

    // The content of one measure of one part: the time cursor starts at the measure's start, and
    // the measure ends where the cursor went furthest.
    void measure(PartState& part) {
        part.cursor = part.furthest = part.measureStart;
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"note")
                note(part);
            else if (name == u"backup")
                part.cursor = std::max(part.measureStart, part.cursor - moveDuration(part));
            else if (name == u"forward")
                advance(part, moveDuration(part));
            else if (name == u"attributes")
                attributes(part);
            else if (name == u"direction")
                direction(part);
            else if (name == u"sound")
                sound(part.cursor);
            else
                xml_.skipCurrentElement();
        }
        part.measureStart = part.furthest;
        // The transposition of a part stands beside or after its first key signature.
        if (part.fifths && !part.keyTranspose) part.keyTranspose = part.transpose;
    }

    void advance(PartState& part, double quarters) {
        part.cursor += quarters;
        part.furthest = std::max(part.furthest, part.cursor);
        if (part.furthest > kLongestPiece) fail(Error::AbsurdTime);
    }

    // The <duration> inside a <backup> or <forward>.
    double moveDuration(const PartState& part) {
        return quarters(childText(u"duration"), part);
    }

    // A <duration> in quarter notes; a broken or absurd value fails the file.
    double duration(const PartState& part) { return quarters(text(), part); }

    double quarters(const QString& inDivisions, const PartState& part) {
        bool ok = false;
        const double value = inDivisions.toDouble(&ok) / part.divisions;
        if (!ok || !std::isfinite(value) || value < 0 || value > kLongestStep) {
            fail(Error::AbsurdTime);
            return 0;
        }
        return value;
    }

    void attributes(PartState& part) {
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"divisions") {
                bool ok = false;
                const double divisions = text().toDouble(&ok);
                if (!ok || !std::isfinite(divisions) || divisions <= 0) return fail(Error::AbsurdTime);
                part.divisions = divisions;
            } else if (name == u"key") {
                key(part);
            } else if (name == u"time") {
                time();
            } else if (name == u"transpose") {
                transpose(part);
            } else {
                xml_.skipCurrentElement();
            }
        }
    }

    void key(PartState& part) {
        bool ok = false;
        const int fifths = childText(u"fifths").toInt(&ok);
        if (ok && !part.fifths && std::abs(fifths) <= 7) part.fifths = fifths;
    }

    void time() {
        QString beats;
        QString unit;
        while (xml_.readNextStartElement())
            if (xml_.name() == u"beats" && beats.isEmpty())
                beats = text();
            else if (xml_.name() == u"beat-type" && unit.isEmpty())
                unit = text();
            else
                xml_.skipCurrentElement();
        if (metreSeen_) return;
        metreSeen_ = true;
        // Composite beats ("3+2") add up.
        int numerator = 0;
        for (const QString& part : beats.split(u'+')) {
            const int value = part.trimmed().toInt();
            numerator += std::clamp(value, 0, 99);
        }
        const int denominator = unit.toInt();
        const bool powerOfTwo = denominator > 0 && denominator <= 64 && !(denominator & (denominator - 1));
        if (numerator < 1 || numerator > 99 || !powerOfTwo) return;
        result_.file.metreNumerator = numerator;
        result_.file.metreUnit = denominator;
    }

    void transpose(PartState& part) {
        int chromatic = 0;
        int octaves = 0;
        while (xml_.readNextStartElement())
            if (xml_.name() == u"chromatic")
                chromatic = std::clamp(text().toInt(), -24, 24);
            else if (xml_.name() == u"octave-change")
                octaves = std::clamp(text().toInt(), -2, 2);
            else
                xml_.skipCurrentElement();
        part.transpose = chromatic + 12 * octaves;
    }

    void note(PartState& part) {
        NoteRead read;
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"grace") {
                read.grace = true;
                xml_.skipCurrentElement();
            } else if (name == u"cue") {
                read.cue = true;
                xml_.skipCurrentElement();
            } else if (name == u"chord") {
                read.chord = true;
                xml_.skipCurrentElement();
            } else if (name == u"pitch") {
                pitch(read);
            } else if (name == u"duration") {
                read.quarters = duration(part);
            } else if (name == u"tie") {
                tie(read);
                xml_.skipCurrentElement();
            } else if (name == u"notations") {
                notations(read);
            } else if (name == u"voice") {
                read.voice = text();
            } else if (name == u"lyric" && !read.hasLyric) {
                lyric(read);
            } else {
                xml_.skipCurrentElement();
            }
        }
        if (read.grace || failed()) return; // a grace note takes no time of its own
        const double start = read.chord ? part.lastStart : part.cursor;
        if (!read.chord) {
            part.lastStart = part.cursor;
            advance(part, read.quarters);
        }
        if (!read.sounds || read.cue) return;
        const double pitch =
            (read.octave + 1) * 12.0 + read.step + std::round(read.alter) + part.transpose;
        if (pitch < 0 || pitch > 127) return;
        if (++notes_ > kMaxNotes) return fail(Error::TooLarge);
        result_.file.parts[part.index].notes.append(
            {start, read.quarters, int(pitch), read.voice, read.tieStart, read.tieStop, read.lyric});
    }

    void pitch(NoteRead& read) {
        int step = -1;
        bool octaveOk = false;
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"step") {
                step = stepPitchClass(text());
            } else if (name == u"alter") {
                bool ok = false;
                const double alter = text().toDouble(&ok);
                read.alter = ok && std::isfinite(alter) ? std::clamp(alter, -4.0, 4.0) : 0;
            } else if (name == u"octave") {
                read.octave = text().toInt(&octaveOk);
                octaveOk = octaveOk && read.octave >= 0 && read.octave <= 9;
            } else {
                xml_.skipCurrentElement();
            }
        }
        read.step = step;
        read.sounds = step >= 0 && octaveOk;
    }

    void tie(NoteRead& read) {
        const QStringView type = xml_.attributes().value(QLatin1String("type"));
        read.tieStart = read.tieStart || type == u"start";
        read.tieStop = read.tieStop || type == u"stop";
    }

    // Some writers mark ties only as the drawn <tied>, not as the sounding <tie>.
    void notations(NoteRead& read) {
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"tied") tie(read);
            xml_.skipCurrentElement();
        }
    }

    void lyric(NoteRead& read) {
        read.hasLyric = true;
        QString syllables;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"text")
                syllables += text();
            else if (xml_.name() == u"elision" && !syllables.isEmpty()) {
                syllables += u' ';
                xml_.skipCurrentElement();
            } else
                xml_.skipCurrentElement();
        }
        read.lyric = syllables.trimmed().left(kLongestLyric);
    }

    void direction(PartState& part) {
        std::optional<double> metronome;
        std::optional<double> sounding;
        while (xml_.readNextStartElement()) {
            if (xml_.name() == u"direction-type") {
                while (xml_.readNextStartElement())
                    if (xml_.name() == u"metronome" && !metronome)
                        metronome = metronomeTempo();
                    else
                        xml_.skipCurrentElement();
            } else if (xml_.name() == u"sound") {
                sounding = soundTempo();
                xml_.skipCurrentElement();
            } else {
                xml_.skipCurrentElement();
            }
        }
        // What sounds is the playback tempo; the printed mark stands in when there is none.
        if (const std::optional<double> tempo = sounding ? sounding : metronome)
            addTempo(part.cursor, *tempo);
    }

    void sound(double at) {
        if (const std::optional<double> tempo = soundTempo()) addTempo(at, *tempo);
        xml_.skipCurrentElement();
    }

    std::optional<double> soundTempo() {
        bool ok = false;
        const double tempo = xml_.attributes().value(QLatin1String("tempo")).toDouble(&ok);
        return ok ? std::optional<double>(tempo) : std::nullopt;
    }

    std::optional<double> metronomeTempo() {
        double beat = 0;
        double perMinute = 0;
        while (xml_.readNextStartElement()) {
            const QStringView name = xml_.name();
            if (name == u"beat-unit" && beat == 0)
                beat = beatQuarters(text());
            else if (name == u"beat-unit-dot" && perMinute == 0) {
                beat *= 1.5;
                xml_.skipCurrentElement();
            } else if (name == u"per-minute" && perMinute == 0)
                perMinute = text().toDouble();
            else
                xml_.skipCurrentElement();
        }
        if (beat <= 0 || !(perMinute > 0)) return std::nullopt;
        return perMinute * beat;
    }

    void addTempo(double at, double quarterBpm) {
        if (!std::isfinite(quarterBpm) || quarterBpm < kSlowestTempo || quarterBpm > kFastestTempo)
            return;
        result_.file.tempos.append({at, quarterBpm});
    }

    void finish() {
        MusicXmlFile& file = result_.file;
        // Every part repeats the tempo marks; the first of each position is kept.
        std::stable_sort(file.tempos.begin(), file.tempos.end(),
                         [](const auto& a, const auto& b) { return a.at < b.at; });
        file.tempos.erase(std::unique(file.tempos.begin(), file.tempos.end(),
                                      [](const auto& a, const auto& b) { return a.at == b.at; }),
                          file.tempos.end());
        for (const PartState& part : std::as_const(states_)) {
            MusicXmlFile::Part& out = file.parts[part.index];
            out.end = part.measureStart;
            const int tonic = part.fifths.value_or(0) * 7 + part.keyTranspose.value_or(0);
            out.keyPitchClass = (tonic % 12 + 12) % 12;
        }
        file.title = workTitle_.isEmpty() ? movementTitle_ : workTitle_;
    }

    QXmlStreamReader xml_;
    Result result_;
    QHash<QString, PartState> states_;
    qsizetype notes_ = 0;
    bool metreSeen_ = false;
    QString workTitle_;
    QString movementTitle_;
};

} // namespace

Result read(const QByteArray& bytes) {
    if (bytes.size() > kMaxXmlBytes) return {{}, Error::TooLarge, 0};
    if (!MxlArchive::isArchive(bytes)) return Parser(bytes).run();
    const MxlArchive::RootFile root = MxlArchive::rootFile(bytes, kMaxXmlBytes);
    switch (root.status) {
    case MxlArchive::Status::Ok:
        return Parser(root.xml).run();
    case MxlArchive::Status::TooLarge:
        return {{}, Error::TooLarge, 0};
    case MxlArchive::Status::Broken:
        break;
    }
    return {{}, Error::BadArchive, 0};
}

Result readFile(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly)) return {{}, Error::Unreadable, 0};
    if (file.size() > kMaxXmlBytes) return {{}, Error::TooLarge, 0};
    const QByteArray bytes = file.read(kMaxXmlBytes + 1);
    if (file.error() != QFileDevice::NoError) return {{}, Error::Unreadable, 0};
    return read(bytes);
}

QString errorText(const Result& result) {
    switch (result.error) {
    case Error::None:
        return {};
    case Error::NotMusicXml:
        return QStringLiteral("错误：该文件不是 MusicXML 乐谱，无法打开！");
    case Error::Malformed:
        return QStringLiteral("错误：MusicXML 文件已损坏（第 %1 行），无法打开！").arg(result.line);
    case Error::Entities:
        return QStringLiteral("错误：MusicXML 文件含有实体定义，为安全起见不予打开！");
    case Error::AbsurdTime:
        return QStringLiteral("错误：MusicXML 文件中的时值不合理（第 %1 行），无法打开！").arg(result.line);
    case Error::TooLarge:
        return QStringLiteral("错误：MusicXML 文件太大（超过 64 MB 或音符过多），无法打开！");
    case Error::BadArchive:
        return QStringLiteral("错误：压缩的 MusicXML 文件（.mxl）已损坏，无法打开！");
    case Error::Unreadable:
        return QStringLiteral("错误：无法读取 MusicXML 文件！请确认文件可以访问！");
    }
    return {};
}

} // namespace MusicXmlReader
