#include "settings/KeyMapEditor.h"

#include "core/CIni.h"
#include "keyboard/KeyCodeToName.h"

#include <utility>

namespace {
const QString kSection = QStringLiteral("键码");

bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}
} // namespace

KeyMapEditor::KeyMapEditor(KeyMap& running, const NoteTable& notes, AppPaths paths)
    : running_(running), notes_(notes), paths_(std::move(paths)) {}

void KeyMapEditor::load(bool fromUserFile) {
    if (fromUserFile) {
        KeyMap file;
        file.readFile(KeyMap::userFilePath(paths_), notes_);
        for (int i = 0; i < NoteTable::kKeyCount; ++i)
            texts_[i] = file.strKeyName(i);
    } else {
        for (int i = 0; i < NoteTable::kKeyCount; ++i)
            texts_[i] = running_.strKeyName(i);
    }
    baselines_ = texts_;
    marked_ = -1;
}

QString KeyMapEditor::text(int keyIndex) const {
    return validKey(keyIndex) ? texts_[keyIndex] : QString();
}

QString KeyMapEditor::baseline(int keyIndex) const {
    return validKey(keyIndex) ? baselines_[keyIndex] : QString();
}

void KeyMapEditor::mark(int keyIndex) {
    if (validKey(keyIndex)) marked_ = keyIndex;
}

bool KeyMapEditor::clickLabel(int keyIndex, int currentPage) {
    if (currentPage != kKeyPage || !validKey(keyIndex)) return false;
    mark(keyIndex);
    return true;
}

KeyMapEditor::Capture KeyMapEditor::capture(int keyIndex, int keyCode, bool capsLockOn) {
    Capture result{false, KeyCodeToName(keyCode, capsLockOn)};
    if (!validKey(keyIndex)) return result;
    for (int j = 0; j < NoteTable::kKeyCount; ++j)
        if (j != keyIndex && texts_[j] == result.name) return result;
    setText(keyIndex, result.name);
    result.accepted = true;
    return result;
}

void KeyMapEditor::restoreDefaults() {
    const QString path = KeyMap::defaultFilePath(paths_);
    WriteDefaultFile(KeyMap::kDefaultKeyMapResource, path, true, true);
    KeyMap defaults;
    defaults.readFile(path, notes_);
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        setText(i, defaults.strKeyName(i));
}

void KeyMapEditor::save() const {
    const CIni ini;
    const QString path = KeyMap::userFilePath(paths_);
    CIni::Batch batch(path);
    for (int i = 0; i < NoteTable::kKeyCount; ++i) {
        const QString note = notes_.strNoteName(i);
        // An empty note name would write a stray "=name" line.
        if (!note.isEmpty()) ini.WriteIniString_(kSection, note, texts_[i], path);
    }
}

void KeyMapEditor::revert() {
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        running_.setStrKeyName(i, baselines_[i]);
}

void KeyMapEditor::setText(int keyIndex, const QString& name) {
    texts_[keyIndex] = name;
    running_.setStrKeyName(keyIndex, name);
}
