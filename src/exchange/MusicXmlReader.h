#pragma once
// Reads MusicXML (score-partwise and score-timewise, plain or compressed as .mxl) from untrusted
// bytes. The input is bounded in size, entity declarations are refused (no expansion can blow
// up), every duration is checked for sense, and the notes kept are bounded, so no file crashes,
// hangs or swallows memory. Time is linear in the size of the file.
#include "exchange/MusicXmlFile.h"

#include <QByteArray>
#include <QString>

namespace MusicXmlReader {

// Far above the largest scores notation editors write (an opera's full score is a few tens of
// megabytes of XML).
constexpr qint64 kMaxXmlBytes = 64 * 1024 * 1024;
constexpr qsizetype kMaxNotes = 2'000'000;
// A note, rest or move of the time cursor longer than this (64 whole notes), or a piece longer
// than the last, is no notation but a broken or hostile file.
constexpr double kLongestStep = 256;
constexpr double kLongestPiece = 4'000'000;

enum class Error {
    None,
    NotMusicXml,
    Malformed,
    Entities,
    AbsurdTime,
    TooLarge,
    BadArchive,
    Unreadable
};

struct Result {
    MusicXmlFile file;
    Error error = Error::None;
    qint64 line = 0; // where a Malformed or AbsurdTime file went wrong
};

// The XML text of a score, or a compressed .mxl archive (recognised by its zip signature).
Result read(const QByteArray& bytes);
Result readFile(const QString& path);

// The message a user sees for a result that is not None.
QString errorText(const Result& result);

} // namespace MusicXmlReader
