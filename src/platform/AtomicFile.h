#pragma once
// Whole-file writes that a crash can never leave half done: the bytes go to a temporary file
// beside the target, which then replaces it in one rename.
#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

namespace AtomicFile {
// False when the folder is missing or not writable, the disk is full, or the target exists and is
// read-only (no owner write permission: the check does not depend on who runs the program).
bool write(const QString& path, const QByteArray& bytes);
// The same for a file written piece by piece, as a writer streams it into `file`; `produce`
// returns false when it failed, and the target is then left as it was.
bool write(const QString& path, const std::function<bool(QIODevice& file)>& produce);
// True when the file exists and its owner may not write it.
bool isReadOnly(const QString& path);
} // namespace AtomicFile
