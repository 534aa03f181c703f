#pragma once
// What the recording settings dialog hands to the recorder on OK: the values as the user left
// them, the texts exactly as typed.
#include <QString>

struct RecordSettings {
    int instrumentIndex = 0;
    QString keyName;      // the key's name, e.g. "C#"
    QString rhythmText;   // the metre, e.g. "3/4"
    QString velocityText; // the tempo in beats per minute, e.g. "72.5"
};
