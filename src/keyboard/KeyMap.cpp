#include "keyboard/KeyMap.h"

#include "core/CIni.h"
#include "core/IniDocument.h"
#include "keyboard/KeyCodeToName.h"

namespace {
const QString kSection = QStringLiteral("键码");
const QString kExtension = QStringLiteral(".KeyCode");
const QString kPedalEntry = QStringLiteral("延音踏板");
} // namespace

QString KeyMap::defaultFilePath(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("默认_按键设置"), kExtension);
}

QString KeyMap::userFilePath(const AppPaths& paths) {
    return paths.iniFile(QStringLiteral("按键设置"), kExtension);
}

void KeyMap::LoadKeyMaps(const AppPaths& paths, const NoteTable& notes, bool useUserMap) {
    const QString defaultPath = defaultFilePath(paths);
    WriteDefaultFile(kDefaultKeyMapResource, defaultPath, true, true);
    readFile(defaultPath, notes);
    // The pedal is only ever assigned in the user's file, so it is read even before the options
    // have been applied once.
    if (useUserMap)
        readFile(userFilePath(paths), notes);
    else
        pedalKeyName_ = readPedalKeyName(userFilePath(paths));
}

void KeyMap::readFile(const QString& path, const NoteTable& notes) {
    const CIni ini;
    pedalKeyName_ = readPedalKeyName(path);
    readEntries(notes,
                [&](const QString& note) { return ini.ReadIniString_(kSection, note, path); });
}

void KeyMap::readEmbeddedDefault(const NoteTable& notes) {
    const IniDocument map = IniDocument::parse(DefaultFileBytes(kDefaultKeyMapResource));
    pedalKeyName_.clear();
    readEntries(notes,
                [&](const QString& note) { return map.value(kSection, note).value_or(QString()); });
}

void KeyMap::readEntries(const NoteTable& notes,
                         const std::function<QString(const QString&)>& valueOf) {
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QString note = notes.strNoteName(i);
        // An empty note name would match a stray "=name" line of the file.
        names_[i] = note.isEmpty() ? QString() : valueOf(note);
    }
    emit changed();
}

QString KeyMap::readPedalKeyName(const QString& path) {
    return CIni().ReadIniString_(kSection, kPedalEntry, path);
}

void KeyMap::writePedalKeyName(const QString& name, const QString& path) {
    const CIni ini;
    // An empty value would read back as "no pedal" anyway; leaving no line keeps the file tidy.
    if (name.isEmpty())
        ini.DeleteKeyWord_(kSection, kPedalEntry, path);
    else
        ini.WriteIniString_(kSection, kPedalEntry, name, path);
}

QString KeyMap::strKeyName(int keyIndex) const {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount ? names_[keyIndex] : QString();
}

void KeyMap::setStrKeyName(int keyIndex, const QString& name) {
    if (keyIndex < 0 || keyIndex >= NoteTable::kKeyCount || names_[keyIndex] == name) return;
    names_[keyIndex] = name;
    emit changed();
}

int KeyMap::keyIndexOfName(const QString& name) const {
    if (name.isEmpty()) return -1;
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (names_[i] == name) return i;
    return -1;
}

int KeyMap::lookup(int keyCode, bool capsLockOn) const {
    return keyIndexOfName(KeyCodeToName(keyCode, capsLockOn));
}

bool KeyMap::isPedalKey(int keyCode, bool capsLockOn) const {
    return !pedalKeyName_.isEmpty() && KeyCodeToName(keyCode, capsLockOn) == pedalKeyName_;
}
