#pragma once
// Two versions of a playing list and of a settings file, saved the way the program saves them,
// for the test that kills a process in the middle of saving.
#include "core/CIni.h"
#include "library/PlaylistFile.h"

#include <QStringList>

namespace SaveVersions {

inline QString playlistPath(const QString& folder) {
    return folder + QStringLiteral("/播放列表.Qor");
}
inline QString settingsPath(const QString& folder) {
    return folder + QStringLiteral("/程序设置.INI");
}

// Version 0 and 1 differ in length and in every entry, so that a mix of the two shows.
inline bool save(const QString& folder, int version) {
    QStringList entries;
    for (int i = 0; i < 4000 + 3000 * version; ++i)
        entries << QStringLiteral("/音乐/第%1版/曲子%2.piano").arg(version).arg(i);
    const bool listSaved = PlaylistFile::save(playlistPath(folder), entries);

    const CIni ini;
    const QString settings = settingsPath(folder);
    CIni::Batch batch(settings);
    for (int i = 0; i < 500; ++i)
        ini.WriteIniString_(QStringLiteral("选项"), QStringLiteral("键%1").arg(i),
                            QStringLiteral("值%1-%2").arg(version).arg(i), settings);
    return batch.commit() && listSaved;
}

} // namespace SaveVersions
