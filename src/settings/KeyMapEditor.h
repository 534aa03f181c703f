#pragma once
// The key page of the options dialog: one box per piano key with the name of its computer key and
// one for the sustain pedal, the key being edited, capturing a pressed key with the conflict
// check, and the defaults. Every accepted change goes into the running key map at once; revert()
// puts back the names the boxes had when the dialog opened.
#include "core/AppPaths.h"
#include "core/NoteTable.h"
#include "keyboard/KeyMap.h"

#include <QString>
#include <array>

class KeyMapEditor {
public:
    static constexpr int kKeyPage = 2;
    // The pedal's box follows the 88 key boxes, so one computer key can never be both.
    static constexpr int kPedalBox = NoteTable::kKeyCount;
    static constexpr int kBoxCount = kPedalBox + 1;

    KeyMapEditor(KeyMap& running, const NoteTable& notes, AppPaths paths);

    // Fills the boxes from the user key map file, or from the running map, and keeps them as the
    // baseline of revert().
    void load(bool fromUserFile);

    // The text of box 0..kPedalBox.
    QString text(int box) const;
    QString baseline(int box) const;
    // The key whose label carries the border, or -1.
    int markedKey() const { return marked_; }
    // The pedal has no label: marking its box takes the border from every key.
    void mark(int box);
    void clearMark() { marked_ = -1; }
    // A click on a key's label only counts on the key page; true when it marked the key.
    bool clickLabel(int keyIndex, int currentPage);

    struct Capture {
        bool accepted = false;
        QString name; // the captured key's name, also when refused
    };
    // Names the key and gives it to `box` unless another box (the pedal's included) already shows
    // that name (letter case counts); the box itself may show it already.
    Capture capture(int box, int keyCode, bool capsLockOn);

    // Rewrites the default key map file from the embedded copy and fills every box from it; the
    // default map has no pedal, so that box is emptied.
    void restoreDefaults();
    // Each box under its note name in the user key map; an empty box leaves the old entry, except
    // the pedal's, whose entry an empty box removes.
    void save() const;
    void revert();

private:
    void setText(int box, const QString& name);

    KeyMap& running_;
    const NoteTable& notes_;
    AppPaths paths_;
    std::array<QString, kBoxCount> texts_;
    std::array<QString, kBoxCount> baselines_;
    int marked_ = -1;
};
