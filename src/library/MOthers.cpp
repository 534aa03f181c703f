#include "library/MOthers.h"

#include "library/ListEntry.h"

std::optional<QString> TitleCaption(int intTitleOption, const QString& savedCaption,
                                    const QString& strPlayingFile) {
    const QString name = fileBaseName(strPlayingFile);
    switch (intTitleOption) {
    case 0:
        return savedCaption + QStringLiteral(" -> [") + strPlayingFile + QLatin1Char(']');
    case 1:
        return savedCaption + QStringLiteral(" -> [") + name + QLatin1Char(']');
    case 2:
        return name;
    case 3:
        return strPlayingFile;
    default:
        return std::nullopt;
    }
}
