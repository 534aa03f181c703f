#pragma once
// How many numbered keys of a stored list are worth reading: the count key of the file, bounded
// by what a file of its size can hold at all, so that a hand-edited count of two billion opens at
// once instead of making billions of look-ups.
#include <QString>

class CIni;

namespace IniListCount {
// The leading-number value of `countKey` in `section`, never below 0 and never above the number
// of keys that fit into the file.
qint32 read(const CIni& ini, const QString& section, const QString& countKey, const QString& path);
// How many keys "0", "1", ... with a value a file of `bytes` bytes can hold ("k=v" and a line
// end each); no list of that file reaches a higher key without leaving gaps.
qint64 capacity(qint64 bytes);
} // namespace IniListCount
