#include "settings/KeyMapEditor.h"

#include "core/CIni.h"
#include "keyboard/KeyCodeToName.h"

#include <utility>

namespace {
const QString kSection = QStringLiteral("键码");

bool validKey(int keyIndex) {
    return keyIndex >= 0 && keyIndex < NoteTable::kKeyCount;
}

bool validBox(int box) {
    return box >= 0 && box < KeyMapEditor::kBoxCount;
}

QString boxName(const KeyMap& map, int box) {
    return box == KeyMapEditor::kPedalBox ? map.pedalKeyName() : map.strKeyName(box);
}
} // namespace

KeyMapEditor::KeyMapEditor(KeyMap& running, const NoteTable& notes, AppPaths paths)
    : running_(running), notes_(notes), paths_(std::move(paths)) {}

void KeyMapEditor::load(bool fromUserFile) {
    KeyMap file;
    if (fromUserFile) file.readFile(KeyMap::userFilePath(paths_), notes_);
    for (int b = 0; b < kBoxCount; ++b)
        texts_[b] = boxName(fromUserFile ? file : running_, b);
    baselines_ = texts_;
    marked_ = -1;
}

QString KeyMapEditor::text(int box) const {
    return validBox(box) ? texts_[box] : QString();
}

QString KeyMapEditor::baseline(int box) const {
    return validBox(box) ? baselines_[box] : QString();
}

void KeyMapEditor::mark(int box) {
    if (box == kPedalBox)
        marked_ = -1;
    else if (validKey(box))
        marked_ = box;
}

bool KeyMapEditor::clickLabel(int keyIndex, int currentPage) {
    if (currentPage != kKeyPage || !validKey(keyIndex)) return false;
    mark(keyIndex);
    return true;
}

KeyMapEditor::Capture KeyMapEditor::capture(int box, int keyCode, bool capsLockOn) {
    Capture result{false, KeyCodeToName(keyCode, capsLockOn)};
    if (!validBox(box)) return result;
    for (int j = 0; j < kBoxCount; ++j)
        if (j != box && texts_[j] == result.name) return result;
    setText(box, result.name);
    result.accepted = true;
    return result;
}

void KeyMapEditor::restoreDefaults() {
    const QString path = KeyMap::defaultFilePath(paths_);
    WriteDefaultFile(KeyMap::kDefaultKeyMapResource, path, true, true);
    KeyMap defaults;
    defaults.readFile(path, notes_);
    for (int b = 0; b < kBoxCount; ++b)
        setText(b, boxName(defaults, b));
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
    KeyMap::writePedalKeyName(texts_[kPedalBox], path);
}

void KeyMapEditor::revert() {
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        running_.setStrKeyName(i, baselines_[i]);
    running_.setPedalKeyName(baselines_[kPedalBox]);
}

void KeyMapEditor::setText(int box, const QString& name) {
    texts_[box] = name;
    if (box == kPedalBox)
        running_.setPedalKeyName(name);
    else
        running_.setStrKeyName(box, name);
}
