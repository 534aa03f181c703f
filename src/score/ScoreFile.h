#pragma once
// Bounded reading of score files: the whole file for playback, up to a size limit, and only the
// first rows for the information text, so that neither ever swallows a huge file.
#include <QByteArray>
#include <QString>

namespace ScoreFile {

// Far above any score written by hand or recorded (a million note rows take about 8 MB), and
// small enough that a loaded score stays within a few hundred megabytes.
constexpr qint64 kMaxScoreBytes = 16 * 1024 * 1024;

enum class ReadError { None, Unreadable, TooLarge, NotText };

struct ReadResult {
    QByteArray bytes;
    ReadError error = ReadError::None;
};

// The whole file; anything but a regular file (a pipe, a device) is Unreadable. A NUL byte
// never occurs in GBK or UTF-8 text, so with `requireText` a file holding one is not a score (a
// picture, an archive, UTF-16 text).
ReadResult readWhole(const QString& path, qint64 maxBytes = kMaxScoreBytes,
                     bool requireText = true);

// The message a user sees when a score cannot be opened; empty for None.
QString errorText(ReadError error);

// The bytes of the first `rowCount` rows (each with its CR LF), or fewer when the file is
// shorter; reads at most `maxBytes`, cutting a longer last row there. Empty on any failure.
QByteArray readLeadingRows(const QString& path, int rowCount, qint64 maxBytes);

} // namespace ScoreFile
