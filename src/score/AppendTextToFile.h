#pragma once
// Adds text to the end of a file, GBK encoded, creating the file when it is missing.
#include <QString>

// False when the text is empty, the file is read-only, cannot be opened, or not every byte
// reached the disk. The bytes are flushed to the disk before it returns.
bool AppendTextToFile(const QString& path, const QString& text);
