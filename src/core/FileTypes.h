#pragma once
// The kinds of file the program opens and writes, told by the name's ending in any letter case.
// An entry with a position suffix is therefore none of them.
#include <QString>

// ".piano"
bool IsScoreFile(const QString& text);
// ".plist"
bool IsPlaylistFile(const QString& text);
// ".mid" or ".midi"
bool IsMidiFile(const QString& text);
// ".musicxml", ".xml" or ".mxl" (compressed MusicXML)
bool IsMusicXmlFile(const QString& text);
