#pragma once
// The melody of one track: at each moment its highest sounding note. Percussion (channel 10)
// is no melody and is passed over.
#include "midi/SmfFile.h"

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

// Note-ons (velocity above 0) of the track outside the percussion channel.
qsizetype noteCount(const SmfTrack& track);

Line extract(const SmfTrack& track);

} // namespace MelodyLine
