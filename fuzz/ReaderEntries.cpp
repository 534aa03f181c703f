#include "ReaderEntries.h"

#include "ScratchFile.h"
#include "core/CIni.h"
#include "core/IniDocument.h"
#include "core/NoteTable.h"
#include "exchange/MidiImport.h"
#include "exchange/MusicXmlImport.h"
#include "exchange/MusicXmlReader.h"
#include "keyboard/KeyCodeToName.h"
#include "keyboard/KeyMap.h"
#include "library/FavoritesStore.h"
#include "library/IniListCount.h"
#include "library/PlaylistFile.h"
#include "midi/SmfReader.h"
#include "platform/GbkCodec.h"
#include "score/MelodyScoreWriter.h"
#include "score/ScoreCheck.h"
#include "score/ScoreFile.h"
#include "score/ScoreInfo.h"
#include "score/ScoreNotation.h"
#include "score/ScoreParser.h"
#include "score/ScoreText.h"
#include "score/ScoreTiming.h"

#include <QDir>
#include <QSet>
#include <QTemporaryDir>

#include <cmath>
#include <cstring>

namespace ReaderEntries {
namespace {

// What the program reads a value into at most: 1023 bytes and the terminator.
constexpr qsizetype kMaxValueBytes = 1023;
constexpr int kMaxProbes = 24;

const NoteTable& noteTable() {
    static const NoteTable table = [] {
        const QTemporaryDir folder;
        QDir(folder.path()).mkdir(QStringLiteral("INI"));
        NoteTable notes;
        notes.LoadNoteMap(AppPaths(folder.path() + u'/', folder.path() + u'/'));
        return notes;
    }();
    return table;
}

// A name that survives being written and read back: no control characters, no blanks at either
// end, nothing that makes a line a comment, a section or an entry of its own, and only
// characters GBK holds.
bool isPlainName(const QString& name, bool isKey) {
    if (name.isEmpty() || name != name.trimmed() || name.startsWith(u';') || name.startsWith(u'['))
        return false;
    for (const QChar c : name)
        if (c.unicode() < 0x20 || c == u']' || (isKey && c == u'=')) return false;
    return GbkCodec::decode(GbkCodec::encode(name)) == name;
}

struct Probe {
    QString section;
    QString key;
};

// The sections and keys the text itself names, as plain as the program would write them.
QList<Probe> probesOf(const QByteArray& bytes) {
    QList<Probe> probes{{QStringLiteral("播放列表"), QStringLiteral("个数")}};
    QSet<QString> seen{QStringLiteral("播放列表\n个数")};
    const auto add = [&](const QString& section, const QString& key) {
        if (!seen.contains((section + u'\n' + key).toLower())) probes.append({section, key});
        seen.insert((section + u'\n' + key).toLower());
    };
    QString section = QStringLiteral("s");
    // CR LF, LF and a lone CR each end a line.
    for (const QByteArray& raw : QByteArray(bytes).replace('\r', '\n').split('\n')) {
        if (probes.size() >= kMaxProbes) break;
        const QString line = GbkCodec::decode(raw).trimmed();
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            const QString name = line.mid(1, close < 0 ? -1 : close - 1).trimmed();
            if (isPlainName(name, false)) section = name;
        } else if (const qsizetype eq = line.indexOf(u'='); eq > 0) {
            const QString key = line.left(eq).trimmed();
            if (isPlainName(key, true)) add(section, key);
        }
    }
    add(section, QStringLiteral("新键"));
    return probes;
}

QString describe(const char* what, const Probe& p) {
    return QStringLiteral("%1 [%2] %3").arg(QLatin1String(what), p.section, p.key);
}

} // namespace

QString iniDocument(const QByteArray& bytes) {
    IniDocument doc = IniDocument::parse(bytes);
    const QByteArray once = doc.serialize();
    const IniDocument again = IniDocument::parse(once);
    if (again.serialize() != once) return QStringLiteral("a rewrite changes a rewritten file");
    const QList<Probe> probes = probesOf(bytes);
    for (const Probe& p : probes)
        if (doc.value(p.section, p.key) != again.value(p.section, p.key))
            return describe("a rewrite changes", p);

    int n = 0;
    for (const Probe& p : probes) {
        const QString value = QStringLiteral("值%1").arg(++n);
        doc.setValue(p.section, p.key, value);
        if (doc.value(p.section, p.key) != value) return describe("a write is not read back:", p);
    }
    const IniDocument written = IniDocument::parse(doc.serialize());
    n = 0;
    for (const Probe& p : probes)
        if (written.value(p.section, p.key) != QStringLiteral("值%1").arg(++n))
            return describe("a written file does not hold", p);
    // Of two equal keys or sections the second comes forward once the first is gone.
    for (const Probe& p : probes)
        while (doc.removeKey(p.section, p.key)) {
        }
    for (const Probe& p : probes)
        if (doc.value(p.section, p.key)) return describe("a removed key stays:", p);
    for (const Probe& p : probes)
        while (doc.removeSection(p.section)) {
        }
    for (const Probe& p : probes)
        if (doc.value(p.section, QStringLiteral("x")))
            return describe("a removed section stays:", p);
    return {};
}

QString iniFile(const QByteArray& bytes) {
    const CIni ini;
    const QString path = ScratchFile::write(QStringLiteral("data.INI"), bytes);
    const QList<Probe> probes = probesOf(bytes);
    for (const Probe& p : probes) {
        const QString value = ini.ReadIniString_(p.section, p.key, path);
        if (value.contains(QChar(u'\0'))) return describe("a value holds NUL:", p);
        // The marker turns into two characters, so the bound holds for the text read too.
        if (GbkCodec::encode(value).size() > kMaxValueBytes)
            return describe("a value is too long:", p);
        ini.ReadIniTF_(p.section, p.key, path);
    }
    const QString twoLines = QStringLiteral("第一行\r\n第二行");
    for (const Probe& p : probes) {
        if (!ini.WriteIniString_(p.section, p.key, twoLines, path))
            return describe("a write fails:", p);
        if (ini.ReadIniString_(p.section, p.key, path) != twoLines)
            return describe("a written value is not read back:", p);
    }
    return {};
}

QString score(const QByteArray& bytes) {
    const QString text = ScoreText::decode(bytes);
    ScoreWideValues wide;
    Score loaded;
    ScoreParser::parse(text, noteTable(), wide, loaded);
    if (loaded.rows.size() != text.count(u"\r\n") + 1) return QStringLiteral("rows miscounted");
    for (const ScoreRow& row : loaded.rows)
        if (!row.isNote() && row.KeyIndex != ScoreRow::kRest && row.KeyIndex != ScoreRow::kSilent)
            return QStringLiteral("a row names key %1").arg(row.KeyIndex);
    const qint32 lines = qint32(text.count(u'\n') + text.count(u'\r') - text.count(u"\r\n")) + 1;
    const QList<ScoreFinding> findings = ScoreCheck::check(text, loaded, noteTable());
    for (const ScoreFinding& finding : findings)
        if (finding.row < 0 || finding.row >= loaded.rowCount() || finding.line < 1 ||
            finding.line > lines || finding.reason.isEmpty())
            return QStringLiteral("finding at row %1, line %2").arg(finding.row).arg(finding.line);
    const ScoreNotation notation(loaded, findings);
    for (qsizetype i = 1; i < notation.items().size(); ++i)
        if (notation.items()[i].row <= notation.items()[i - 1].row)
            return QStringLiteral("notation item %1 out of row order").arg(i);
    const float tick = ScoreTiming::tickLength(wide, loaded.MaxDurationCode);
    if (!std::isfinite(tick) || tick < 0) return QStringLiteral("tick %1").arg(tick);
    const qint32 interval = ScoreTiming::timerInterval(tick);
    if (interval < 1) return QStringLiteral("interval %1").arg(interval);
    const QList<float> ends = ScoreTiming::rowEndTimes(loaded.rows, loaded.MaxDurationCode, tick);
    if (ends.size() != loaded.rows.size()) return QStringLiteral("end times miscounted");
    for (qsizetype i = 0; i < ends.size(); ++i) {
        if (!std::isfinite(ends[i]) || ends[i] < 0 || (i > 0 && ends[i] < ends[i - 1]))
            return QStringLiteral("row %1 ends at %2").arg(i).arg(ends[i]);
        if (ScoreTiming::holdMilliseconds(loaded.MaxDurationCode, loaded.rows[i].DurationCode,
                                          interval) < 0)
            return QStringLiteral("row %1 holds less than nothing").arg(i);
    }
    return {};
}

QString scoreInfo(const QByteArray& bytes) {
    const QString path = ScratchFile::write(QStringLiteral("score.piano"), bytes);
    constexpr qint64 kLimit = 256;
    const QByteArray rows = ScoreFile::readLeadingRows(path, ScoreInfo::kRowsLooked, kLimit);
    if (rows.size() > kLimit || !bytes.startsWith(rows))
        return QStringLiteral("the leading rows are not a bounded prefix of the file");
    if (rows.count("\r\n") > ScoreInfo::kRowsLooked) return QStringLiteral("too many rows read");
    QStringList names;
    for (int i = 0; i < 128; ++i)
        names << QString::number(i);
    QString title;
    const QString info = GetScoreInfo(path, names, title);
    if (title != QStringLiteral("score")) return QStringLiteral("title %1").arg(title);
    // Each of the 24 rows adds at most one line of its own text and a fixed caption.
    if (info.size() > (ScoreInfo::kMaxBytesRead + 16 * ScoreInfo::kRowsLooked))
        return QStringLiteral("the information text is unbounded");
    return {};
}

QString listFiles(const QByteArray& bytes) {
    const QString path = ScratchFile::write(QStringLiteral("list.plist"), bytes);
    const qint64 capacity = IniListCount::capacity(bytes.size());
    const QStringList entries = PlaylistFile::load(path);
    if (entries.size() > capacity) return QStringLiteral("more entries than the file can hold");
    for (const QString& entry : entries)
        if (entry.isEmpty()) return QStringLiteral("an empty playlist entry");
    const QList<FavoritesStore::Favorite> favorites = FavoritesStore::load(path);
    if (favorites.size() > capacity) return QStringLiteral("more favorites than the file can hold");
    for (const FavoritesStore::Favorite& f : favorites)
        if (f.entry.isEmpty()) return QStringLiteral("an empty favorite");
    return {};
}

QString keyNames(const QByteArray& bytes) {
    for (qsizetype at = 0; at + 4 <= qMin<qsizetype>(bytes.size(), 64); at += 4) {
        int code = 0;
        std::memcpy(&code, bytes.constData() + at, sizeof code);
        for (const bool caps : {false, true})
            if (KeyCodeToName(code, caps).isEmpty())
                return QStringLiteral("code %1 has no name").arg(code);
    }
    KeyMap map;
    map.readFile(ScratchFile::write(QStringLiteral("keys.KeyCode"), bytes), noteTable());
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QString name = map.strKeyName(i);
        if (GbkCodec::encode(name).size() > kMaxValueBytes)
            return QStringLiteral("key %1 has a name too long").arg(i);
        const int found = map.keyIndexOfName(name);
        if (!name.isEmpty() && (found < 0 || found > i))
            return QStringLiteral("key %1 is not found by its name").arg(i);
    }
    return {};
}

QString midi(const QByteArray& bytes) {
    const SmfReader::Result read = SmfReader::read(bytes);
    if (read.error != SmfReader::Error::None) return {};
    if (read.file.tracks.isEmpty()) return QStringLiteral("a file without tracks was taken");
    const QList<MidiImport::MelodyChoice> choices = MidiImport::choices(read.file);
    const int choice = MidiImport::preferredChoice(choices);
    if (choice < 0) return {};
    const QString text = MelodyScoreWriter::scoreText(
        MidiImport::melody(read.file, choices[choice], QStringLiteral("t")), noteTable());
    if (text.isEmpty()) return {};
    ScoreWideValues wide;
    Score score;
    ScoreParser::parse(text, noteTable(), wide, score);
    // Five header rows, then only notes and rests, each with a positive code.
    if (score.rows.size() < 6) return QStringLiteral("%1 rows").arg(score.rows.size());
    if (wide.TempoBpm < 1 || wide.BeatUnit < 1) return QStringLiteral("tempo or metre missing");
    for (qsizetype i = 5; i < score.rows.size(); ++i) {
        const ScoreRow& row = score.rows[i];
        if ((!row.isNote() && row.KeyIndex != ScoreRow::kRest) || !(row.DurationCode > 0))
            return QStringLiteral("row %1 is \"%2\"").arg(i).arg(row.NoteText);
        if (!(row.DurationCode < score.MaxDurationCode))
            return QStringLiteral("row %1 has the tick's code").arg(i);
    }
    return {};
}

QString musicXml(const QByteArray& bytes) {
    const MusicXmlReader::Result read = MusicXmlReader::read(bytes);
    if (read.error != MusicXmlReader::Error::None)
        return read.file.parts.isEmpty() ? QString() : QStringLiteral("a refused file kept its parts");
    if (read.file.metreNumerator < 1 || read.file.metreNumerator > 99 || read.file.metreUnit < 1 ||
        read.file.metreUnit > 64 || (read.file.metreUnit & (read.file.metreUnit - 1)))
        return QStringLiteral("metre %1/%2").arg(read.file.metreNumerator).arg(read.file.metreUnit);
    for (const MusicXmlImport::PartChoice& choice : MusicXmlImport::partsWithNotes(read.file)) {
        const ImportedMelody melody = MusicXmlImport::melody(read.file, choice.part, QStringLiteral("t"));
        if (melody.notes.isEmpty()) return QStringLiteral("part %1 gave no melody").arg(choice.part);
        if (melody.pitchShift < 29 || melody.pitchShift > 40 || !(melody.tempo > 0) ||
            !std::isfinite(melody.tempo) || melody.instrument < 0 || melody.instrument > 127)
            return QStringLiteral("part %1 has an impossible header").arg(choice.part);
        double end = 0;
        for (const ImportedMelody::Note& note : melody.notes) {
            // Sums of decimal divisions may leave a note a hair before the last one's end.
            if (!std::isfinite(note.startMs) || note.startMs < end - 1e-3 || note.endMs < note.startMs ||
                note.midiNote < 0 || note.midiNote > 127 || note.caption.contains(u'\r') ||
                note.caption.contains(u'\n'))
                return QStringLiteral("part %1 has a note out of order at %2 ms").arg(choice.part).arg(note.startMs);
            end = note.endMs;
        }
        if (!(melody.endMs >= end)) return QStringLiteral("part %1 ends before its last note").arg(choice.part);
    }
    return {};
}

} // namespace ReaderEntries
