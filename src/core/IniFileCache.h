#pragma once
// Parsed copies of INI files, revalidated against the file on every use (once in a batch), and the
// pending state of batched writes. Used only by CIni.
#include "core/IniDocument.h"

#include <functional>

namespace IniFileCache {
// The document as it is on disk now (empty when the file is missing), or as a batch left it.
const IniDocument& read(const QString& path);
// Applies `change` and writes the file, or queues the write when a batch of that file is open.
bool modify(const QString& path, const std::function<bool(IniDocument&)>& change);
void beginBatch(const QString& path);
bool endBatch(const QString& path);
bool flush(const QString& path);
// How many parsed files are kept now.
qsizetype documentsHeld();
} // namespace IniFileCache
