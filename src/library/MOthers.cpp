#include "library/MOthers.h"

#include "library/ListEntry.h"

namespace {
bool endsWithNoCase(const QString& text, QLatin1StringView ending) {
    return text.endsWith(ending, Qt::CaseInsensitive);
}
} // namespace

bool IsScoreFile(const QString& text) {
    return endsWithNoCase(text, QLatin1StringView(".piano"));
}

bool IsPlaylistFile(const QString& text) {
    return endsWithNoCase(text, QLatin1StringView(".plist"));
}

bool IsMidiFile(const QString& text) {
    return endsWithNoCase(text, QLatin1StringView(".mid")) ||
           endsWithNoCase(text, QLatin1StringView(".midi"));
}

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
