#include "core/Instruments.h"

#include "core/CIni.h"
#include "core/MLanguage.h"

namespace {
const QString kSection = QStringLiteral("乐器名");
}

int Instruments::resourceFor(int languageCode) {
    return languageCode == MLanguage::English ? kEnglishResource : kChineseResource;
}

QString Instruments::fileFor(const AppPaths& paths, int languageCode) {
    const QString baseName =
        languageCode == MLanguage::English ? QStringLiteral("Musical Instrument") : kSection;
    return paths.iniFile(baseName, QStringLiteral(".INI"));
}

QStringList Instruments::LoadInstruments(const AppPaths& paths, const QLocale& locale) {
    QString language = QStringLiteral("简体中文");
    const int code = MLanguage::GetUserLanguage(language, locale);
    const QString path = fileFor(paths, code);
    WriteDefaultFile(resourceFor(code), path, true, true);
    const CIni ini;
    QStringList names;
    names.reserve(kCount);
    for (int i = 1; i <= kCount; ++i)
        names.append(ini.ReadIniString_(kSection, QString::number(i), path));
    return names;
}
