#include "platform/DesktopTextEditor.h"

#include <QStandardPaths>

namespace DesktopTextEditor {

QString find() {
    for (const char* editor : {"gnome-text-editor", "gedit", "kate", "kwrite", "mousepad", "pluma",
                               "xed", "featherpad", "leafpad", "geany"}) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(editor));
        if (!path.isEmpty()) return path;
    }
    return {};
}

} // namespace DesktopTextEditor
