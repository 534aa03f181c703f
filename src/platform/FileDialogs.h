#pragma once
// The system's file dialogs as the logic sees them: a question that comes back with a path, or
// with nothing when the user cancels.
#include <QString>
#include <QStringList>

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // A save dialog that asks before overwriting an existing file. `filter` is a list of
    // description and pattern pairs, all separated by "|", e.g.
    // "乐谱(*.piano)|*.piano|所有文件(*.*)|*.*"; `defaultSuffix` (without a dot) is added to a name
    // typed without one. Empty on cancel.
    virtual QString getSaveFileName(const QString& title, const QString& filter,
                                    const QString& defaultSuffix) = 0;
    // An open dialog for files that exist, `filter` as above. With `multiple` the user may choose
    // several files; each comes back as a full path, in the order the dialog gives them. Empty on
    // cancel.
    virtual QStringList getOpenFileNames(const QString& title, const QString& filter,
                                         bool multiple) = 0;
    // A folder browser opened at `startFolder`: the chosen folder, or empty on cancel.
    virtual QString getExistingDirectory(const QString& title, const QString& startFolder) = 0;
};
