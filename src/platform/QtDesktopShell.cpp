#include "platform/QtDesktopShell.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

bool QtDesktopShell::open(const QString& target) {
    if (target.isEmpty()) return false;
    // Local paths may hold any character, '#' and '?' included: never let them parse as a URL.
    const QUrl url = QFileInfo::exists(target) ? QUrl::fromLocalFile(target)
                                               : QUrl(target, QUrl::StrictMode);
    return url.isValid() && QDesktopServices::openUrl(url);
}
