#pragma once
// The melody of a voice (the notes of one channel of a track): at each moment its highest
// sounding note.
#include "midi/ChannelNotes.h"

#include <QList>

namespace MelodyLine {

// A stretch of the melody: from `startTick` to the next stretch's start (the last one ends at
// the end tick), sounding `note` (0..127) or nothing (-1). A note struck again starts a stretch
// of its own; a note that outlives a higher one sounds on as a stretch of its own.
struct Stretch {
    qint64 startTick;
    int note;
};

struct Line {
    QList<Stretch> stretches; // begins with the first note; no two rests in a row
    qint64 endTick = 0;       // when the last note stops
};

// `notes` by start. A note of no length sounds `shortTicks` (at least 1). A lower note struck
// shortly before a higher one ends, legato, takes over at its own start: it sounds from there,
// not only from the higher one's end.
Line extract(const QList<SmfNote>& notes, qint64 shortTicks);

} // namespace MelodyLine
