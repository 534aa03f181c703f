#pragma once
// Reads Standard MIDI Files from untrusted bytes: every length is checked against the file,
// running status is taken only after a channel message, and tracks and events are bounded, so
// no file crashes, hangs or swallows memory. Time is linear in the size of the file.
#include "midi/SmfFile.h"

namespace SmfReader {

constexpr qint64 kMaxFileBytes = 16 * 1024 * 1024;
constexpr int kMaxTracks = 1024;
constexpr qsizetype kMaxEvents = 2'000'000;

enum class Error { None, NotMidi, Truncated, Malformed, NoTracks, TooLarge, Unreadable };

struct Result {
    SmfFile file;
    Error error = Error::None;
};

Result read(const QByteArray& bytes);
Result readFile(const QString& path);

// The message a user sees for an error.
QString errorText(Error error);

} // namespace SmfReader
