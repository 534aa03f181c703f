#pragma once
// The readers of files a user can hand the program, each driven from raw bytes the way the
// program drives it, together with what every result must satisfy whatever the bytes. Shared by
// the fuzz targets and by the test that replays the worst inputs found.
#include <QByteArray>
#include <QString>

namespace ReaderEntries {
// Each returns "" when every property held, else what broke.
QString iniDocument(const QByteArray& bytes); // parse, rewrite, look up, change
QString iniFile(const QByteArray& bytes);     // CIni on a data file holding the bytes
QString score(const QByteArray& bytes);       // the score loader: rows, timing, check, notation
QString scoreInfo(const QByteArray& bytes);   // the tooltip text and the bounded row read
QString listFiles(const QByteArray& bytes);   // playlist and favorites files
QString keyNames(const QByteArray& bytes);    // key-code names and key-map files
QString midi(const QByteArray& bytes);        // MIDI files and the melody import
QString musicXml(const QByteArray& bytes);    // MusicXML files (.mxl too) and the melody import
} // namespace ReaderEntries
