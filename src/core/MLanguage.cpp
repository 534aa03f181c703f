#include "core/MLanguage.h"

int MLanguage::GetUserLanguage(QString& strLanguage, const QLocale& locale) {
    if (locale.language() == QLocale::Chinese) {
        // A bare "zh_TW" or "zh_HK" gets its traditional script from Qt's likely-subtag data.
        if (locale.script() == QLocale::TraditionalHanScript) {
            strLanguage = QStringLiteral("繁体中文");
            return TraditionalChinese;
        }
        strLanguage = QStringLiteral("简体中文");
        return SimplifiedChinese;
    }
    if (locale.language() == QLocale::English) {
        strLanguage = QStringLiteral("English");
        return English;
    }
    return SimplifiedChinese;
}
