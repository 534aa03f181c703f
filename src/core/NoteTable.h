#pragma once
// The 88 keys in numbered notation: the name of every key as loaded from the note map, the MIDI
// note each key sounds, and the key names of the pitch-shift bar.
#include "core/AppPaths.h"

#include <QString>
#include <array>

class NoteTable {
public:
    static constexpr int kKeyCount = 88;
    static constexpr int kNoteMapResource = 103;

    // Writes the embedded note map into the data folder (read-only, overwriting any hand edits)
    // and reads the 88 names from it.
    void LoadNoteMap(const AppPaths& paths);
    static QString noteMapPath(const AppPaths& paths);
    // The same names from the embedded map, touching no file: for work without a data folder.
    void loadEmbeddedNames();

    // "" when the map lacks the key or `keyIndex` is outside 0..87.
    QString strNoteName(int keyIndex) const;
    // Index of the key named `name` (the highest one when several match), or -1.
    int keyIndexOfName(const QString& name) const;

    // The note of key i before the pitch shift is added: i - 3, and i - 1 for the lowest three.
    static int baseNote(int keyIndex);
    static bool isBlackKey(int keyIndex);

private:
    std::array<QString, kKeyCount> names_;
};

// "C" .. "B" for value mod 12; "C" for a negative value.
QString PitchName(int value);
// 29 ("F") .. 40 ("E") for the sharp spellings, ignoring case and surrounding blanks; 36 otherwise.
int PitchValue(const QString& name);
