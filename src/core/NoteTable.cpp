#include "core/NoteTable.h"

#include "core/CIni.h"
#include "core/IniDocument.h"

#include <QStringList>

namespace {
const QString kSection = QStringLiteral("简谱音符映射");
}

QString NoteTable::noteMapPath(const AppPaths& paths) {
    return paths.iniFile(kSection, QStringLiteral(".INI"));
}

void NoteTable::LoadNoteMap(const AppPaths& paths) {
    const QString path = noteMapPath(paths);
    WriteDefaultFile(kNoteMapResource, path, true, true);
    const CIni ini;
    for (int i = 0; i < kKeyCount; ++i) names_[i] = ini.ReadIniString_(kSection, QString::number(i), path);
}

void NoteTable::loadEmbeddedNoteMap() {
    const IniDocument map = IniDocument::parse(DefaultFileBytes(kNoteMapResource));
    for (int i = 0; i < kKeyCount; ++i) names_[i] = map.value(kSection, QString::number(i)).value_or(QString());
}

QString NoteTable::strNoteName(int keyIndex) const {
    return keyIndex >= 0 && keyIndex < kKeyCount ? names_[keyIndex] : QString();
}

int NoteTable::keyIndexOfName(const QString& name) const {
    for (int i = kKeyCount - 1; i >= 0; --i)
        if (names_[i] == name) return i;
    return -1;
}

int NoteTable::baseNote(int keyIndex) { return keyIndex < 3 ? keyIndex - 1 : keyIndex - 3; }

int NoteTable::keyOfNote(int note, int pitchShift) {
    // The keys sound base notes -1 (key 0) to 84 (key 87) without a gap.
    const int lowest = baseNote(0) + pitchShift;
    const int highest = baseNote(kKeyCount - 1) + pitchShift;
    if (note < lowest) note += (lowest - note + 11) / 12 * 12;
    if (note > highest) note -= (note - highest + 11) / 12 * 12;
    const int base = note - pitchShift;
    return base < 0 ? 0 : base + 3;
}

bool NoteTable::isBlackKey(int keyIndex) {
    // Counted from the lowest C at key 3; key 1 is the B flat below it.
    if (keyIndex < 3) return keyIndex == 1;
    static constexpr bool black[12] = {false, true, false, true, false, false,
                                       true,  false, true, false, true, false};
    return black[(keyIndex - 3) % 12];
}

QString PitchName(int value) {
    static const QStringList names = {"C", "C#", "D", "D#", "E", "F", "F#", "G", "G#", "A", "A#", "B"};
    const int r = value % 12;
    return r >= 0 ? names[r] : names[0];
}

std::optional<int> keyTableValue(const QString& name) {
    static const QStringList names = {"F", "F#", "G", "G#", "A", "A#", "B", "C", "C#", "D", "D#", "E"};
    const qsizetype at = names.indexOf(name.trimmed().toUpper());
    if (at < 0) return std::nullopt;
    return 29 + static_cast<int>(at);
}

int PitchValue(const QString& name) { return keyTableValue(name).value_or(36); }
