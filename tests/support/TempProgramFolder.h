#pragma once
// A fresh, empty program folder for one test, removed afterwards.
#include "core/AppPaths.h"

#include <QTemporaryDir>

class TempProgramFolder {
public:
    TempProgramFolder();
    QString path() const { return dir_.path(); }
    AppPaths paths() const { return AppPaths(dir_.path(), dir_.path()); }
    // Path of a file inside the folder.
    QString file(const QString& relative) const { return dir_.filePath(relative); }
    // Writes raw bytes to a file inside the folder, creating folders as needed.
    void write(const QString& relative, const QByteArray& bytes) const;
    QByteArray read(const QString& relative) const;

private:
    QTemporaryDir dir_;
};
