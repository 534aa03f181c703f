#include "library/IniListCount.h"

#include "core/CIni.h"
#include "library/LeadingNumber.h"

#include <QFileInfo>

namespace IniListCount {

qint64 capacity(qint64 bytes) { return bytes <= 0 ? 0 : (bytes + 1) / 4; }

qint32 read(const CIni& ini, const QString& section, const QString& countKey,
            const QString& path) {
    const qint32 stored = LeadingNumber::toInt32(ini.ReadIniString_(section, countKey, path));
    if (stored <= 0) return 0;
    return qint32(qMin<qint64>(stored, capacity(QFileInfo(path).size())));
}

} // namespace IniListCount
