#pragma once
// The 88 keys in numbered notation: the name of every key as loaded from the note map, the MIDI
// note each key sounds, and the key names of the pitch-shift bar.
#include "core/AppPaths.h"

#include <QString>
#include <array>
#include <optional>

class NoteTable {
public:
    static constexpr int kKeyCount = 88;
    static constexpr int kNoteMapResource = 103;

    // Writes the embedded note map into the data folder (read-only, overwriting any hand edits)
    // and reads the 88 names from it.
    void LoadNoteMap(const AppPaths& paths);
    // The same names read straight from the embedded note map, writing nothing: for tools that
    // run without a data folder.
    void loadEmbeddedNoteMap();
    static QString noteMapPath(const AppPaths& paths);

    // "" when the map lacks the key or `keyIndex` is outside 0..87.
    QString strNoteName(int keyIndex) const;
    // Index of the key named `name` (the highest one when several match), or -1.
    int keyIndexOfName(const QString& name) const;

    // The pitch shift of the key of C, under which every key sounds its own name.
    static constexpr int kPitchShiftOfC = 36;

    // The note of key i before the pitch shift is added: i - 3, and i - 1 for the lowest three.
    static int baseNote(int keyIndex);
    // The MIDI note key i sounds under `pitchShift`.
    static int soundingNote(int keyIndex, int pitchShift) {
        return baseNote(keyIndex) + pitchShift;
    }
    // The key that sounds MIDI note `note` under `pitchShift`, a note beyond the keys moved by
    // octaves into them; of two keys that sound the same note, the one of the scale's own octave
    // (key 3, not key 1).
    static int keyOfNote(int note, int pitchShift);
    static bool isBlackKey(int keyIndex);

private:
    std::array<QString, kKeyCount> names_;
};

// "C" .. "B" for value mod 12; "C" for a negative value.
QString PitchName(int value);
// 29 ("F") .. 40 ("E") for the sharp spellings, ignoring case and surrounding blanks; none for
// any other name.
std::optional<int> keyTableValue(const QString& name);
// keyTableValue, and 36 (C) for a name that is not in the key table.
int PitchValue(const QString& name);
