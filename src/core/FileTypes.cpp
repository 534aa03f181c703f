#include "core/FileTypes.h"

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

bool IsMusicXmlFile(const QString& text) {
    return endsWithNoCase(text, QLatin1StringView(".musicxml")) ||
           endsWithNoCase(text, QLatin1StringView(".xml")) ||
           endsWithNoCase(text, QLatin1StringView(".mxl"));
}
