#pragma once
// The language of the instrument names, taken from the user's locale.
#include <QLocale>
#include <QString>

class MLanguage {
public:
    static constexpr int SimplifiedChinese = 0;
    static constexpr int TraditionalChinese = 1;
    static constexpr int English = 2;

    // Chinese in simplified script gives 0 and "简体中文", in traditional script 1 and "繁体中文";
    // English gives 2 and "English". Any other language gives 0 and leaves `strLanguage` as it is.
    static int GetUserLanguage(QString& strLanguage, const QLocale& locale = QLocale::system());
};
