#include "platform/midi/SoundFontLocator.h"

#include <QDir>
#include <QFileInfo>

QStringList SoundFontLocator::systemFolders() {
    return {QStringLiteral("/usr/share/sounds/sf2"), QStringLiteral("/usr/share/soundfonts")};
}

QStringList SoundFontLocator::candidates(const QStringList& folders) {
    static const QStringList preferred = {
        QStringLiteral("FluidR3_GM.sf2"), QStringLiteral("default-GM.sf2"),
        QStringLiteral("default.sf2"), QStringLiteral("TimGM6mb.sf2")};
    QStringList found;
    for (const QString& name : preferred)
        for (const QString& folder : folders)
            found.append(QDir(folder).filePath(name));
    for (const QString& folder : folders) {
        const QDir dir(folder);
        const QStringList others = dir.entryList({QStringLiteral("*.sf2"), QStringLiteral("*.SF2")},
                                                 QDir::Files | QDir::Readable, QDir::Name);
        for (const QString& name : others)
            if (!found.contains(dir.filePath(name))) found.append(dir.filePath(name));
    }
    return found;
}

QString SoundFontLocator::firstReadable(const QStringList& candidates) {
    for (const QString& path : candidates) {
        const QFileInfo info(path);
        if (info.isFile() && info.isReadable()) return path;
    }
    return {};
}
