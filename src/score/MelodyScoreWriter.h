#pragma once
// The one writer of imported scores: an imported melody as score text that the playback engine
// plays at the melody's own times. The tick is one millisecond, so every row lasts whole
// milliseconds; each row's code is chosen against where its end must fall, never against the
// rows before it, so no error adds up over a piece. Rows take the usual codes (4, 8, 16, dotted,
// triplets) where these fall within a few milliseconds of the time, exact codes elsewhere; a
// note of any length is one row, a rest of any length the usual codes that fill it.
#include "core/NoteTable.h"
#include "score/ImportedMelody.h"

#include <QString>

namespace MelodyScoreWriter {

// The score begins with its header rows (instrument, key, metre, tempo carrying the tick code,
// the title as a caption) and its first note; a caption stands on a row of its own before its
// note. Rows end in CR LF, all but the last (a last empty row would lengthen the last note).
// Empty when the melody has no notes.
QString scoreText(const ImportedMelody& melody, const NoteTable& notes);

} // namespace MelodyScoreWriter
