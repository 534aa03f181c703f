#include "library/IniListCount.h"

#include "core/CIni.h"
#include "core/NumberText.h"

#include <QFileInfo>

#include <limits>

namespace IniListCount {

qint64 capacity(qint64 bytes) {
    // Key k takes its digits, "=", at least one character of value and a line end; the last line
    // may lack its line end.
    qint64 budget = bytes + 1;
    qint64 keys = 0;
    qint64 first = 0, end = 10; // the keys with `digits` digits: [first, end)
    for (int digits = 1; budget > 0 && digits <= 19; ++digits) {
        const qint64 perKey = digits + 3;
        const qint64 fit = qMin(end - first, budget / perKey);
        keys += fit;
        budget -= fit * perKey;
        if (fit < end - first) break;
        first = end;
        end = end > std::numeric_limits<qint64>::max() / 10 ? std::numeric_limits<qint64>::max()
                                                            : end * 10;
    }
    return keys;
}

qint32 read(const CIni& ini, const QString& section, const QString& countKey, const QString& path) {
    const qint32 stored = NumberText::leadingInt32(ini.ReadIniString_(section, countKey, path));
    if (stored <= 0) return 0;
    return qint32(qMin<qint64>(stored, capacity(QFileInfo(path).size())));
}

} // namespace IniListCount
