#include "library/ScoreEditCommand.h"

#include "library/ListEntry.h"

#include <QFileInfo>

std::optional<ScoreEditCommand> ScoreEditCommand::forEntry(const QString& entry,
                                                           const QString& editor,
                                                           const QString& self) {
    if (editor.isEmpty()) return std::nullopt;
    const QString editorFile = QFileInfo(editor).canonicalFilePath();
    if (!editorFile.isEmpty() && editorFile == QFileInfo(self).canonicalFilePath()) return std::nullopt;
    const QString path = ListEntry::split(entry).path;
    if (path.isEmpty()) return std::nullopt;
    // An absolute path never starts with "-", so no editor can take it for one of its options.
    return ScoreEditCommand{editor, {QFileInfo(path).absoluteFilePath()}};
}
