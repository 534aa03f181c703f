#pragma once
// What the on-screen keys show on their faces: the computer key that plays each piano key now,
// under the running key map and Caps Lock state, or the key's numbered-notation name.
#include "core/NoteTable.h"
#include "keyboard/KeyMap.h"

#include <QString>
#include <array>

class KeyLabels {
public:
    // The entries of View ▸ 键名, in menu order.
    enum class Mode { ComputerKeys = 0, NoteNames = 1, None = 2 };

    struct Label {
        QString text;
        // Octave dots of a note name: above the text when positive, below when negative.
        int dots = 0;
        // A key of the numeric keypad, whose text alone would read as a key of the main block.
        bool keypad = false;
        bool operator==(const Label&) const = default;
    };
    using Labels = std::array<Label, NoteTable::kKeyCount>;

    static Labels labels(Mode mode, const KeyMap& map, const NoteTable& notes, bool capsLockOn);

    // A piano key shows the name of the computer key that plays it, or nothing when no key of this
    // keyboard does now: unassigned, its name taken by a lower key, a letter of the other case,
    // or a name no key here produces. The name is the same whichever of several keys produce it
    // (left or right Shift, Enter or the keypad's Enter, Home or the keypad's 7 with Num Lock
    // off); it reads as on the key of the main block.
    static Labels computerKeys(const KeyMap& map, bool capsLockOn);
    // A key name cut to fit a key face: "PageUp" is "PgUp", the arrows are arrows, Chinese names
    // become the words on the keycaps; a keypad key ("6小") is its keycap's text, marked keypad.
    static Label keyLabel(const QString& keyName);
    // The degree of a note name with its octave dots; a black key shows its sharp spelling.
    // An empty name gives an empty label.
    static Label noteLabel(const QString& noteName);
};
