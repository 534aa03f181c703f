#pragma once
// One row of a loaded score, as the playback engine walks it.
#include <QString>

struct ScoreRow {
    // KeyIndex of a rest ("0") and of a row that sounds nothing (blank, comment, header row,
    // a token that names no key).
    static constexpr qint16 kRest = -1;
    static constexpr qint16 kSilent = 9999;

    // The token without trailing blanks; empty for blank rows and comments.
    QString NoteText;
    // -1 without "+"; 0 for blank rows and comments.
    float DurationCode = 0;
    // 0..87 for a note, kRest or kSilent.
    qint16 KeyIndex = kSilent;

    bool isNote() const { return KeyIndex >= 0 && KeyIndex < 88; }
};
