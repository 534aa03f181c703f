#pragma once
// The checks every command that reads one file and writes another makes before it starts, so
// that no command damages its input or writes where it must not.
#include <QString>

namespace ConversionFiles {

// "" when `in` is a file that can be read, else the message for the user (missing, a folder).
QString checkInput(const QString& in);
// "" when `out` may be written: it is not `in` itself (by path, through a link or as another name
// of the same file) and not a folder; else the message for the user.
QString checkOutput(const QString& in, const QString& out);
// checkInput, then checkOutput.
QString check(const QString& in, const QString& out);

// The message of a file that cannot be written.
QString cannotWrite(const QString& path);

} // namespace ConversionFiles
