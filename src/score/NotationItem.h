#pragma once
// One symbol of a score printed in numbered notation: a note, a rest, or a row that sounds
// nothing though its writer surely meant a note (shown so that the check's mark has a place).
#include <QtGlobal>

struct NotationItem {
    enum Kind : quint8 { Note, Rest, Silent };

    qint32 row = 0;
    // 0..87 for a note, -1 otherwise.
    qint16 key = -1;
    Kind kind = Silent;
    // '1'..'7' for a note, '0' for a rest.
    char16_t degree = u'?';
    // Octave dots: above the digit when positive, below it when negative.
    qint8 octave = 0;
    bool sharp = false;
    // Lines under the digit (an eighth one, a sixteenth two), dashes after it (a half one, a
    // whole three), and the dot of a note one and a half times its written length.
    quint8 underlines = 0;
    quint8 dashes = 0;
    bool dotted = false;
    // A bar line follows: the metre's beats add up here.
    bool barAfter = false;
    // The check found something on this row.
    bool flagged = false;
    // The caption (lyrics) that starts under this item, as an index into the captions; -1 none.
    qint32 caption = -1;
};
