#pragma once
// Where the program and its data live. The data folder "INI", the icon folder "ICON" and the
// first-start sample sit beside the program; when that folder cannot be written, or is the folder
// an install puts the program in, they move to the per-user data folder.
#include <QString>

class AppPaths {
public:
    // programFolder: the folder of the executable; dataFolder: where INI and ICON live.
    AppPaths(const QString& programFolder, const QString& dataFolder);
    // The running program's folders, choosing the per-user fallback when needed.
    static AppPaths forRunningProgram();

    // The program folder with a trailing separator (GetAppPath).
    QString GetAppPath() const { return programFolder_; }
    // The folder holding INI and ICON, with a trailing separator.
    QString dataPath() const { return dataFolder_; }
    QString iniFolder() const { return dataFolder_ + QStringLiteral("INI"); }
    QString iconFolder() const { return dataFolder_ + QStringLiteral("ICON"); }
    // A data file of the INI folder: base name and extension, e.g. ("程序设置", ".INI").
    QString iniFile(const QString& baseName, const QString& extension) const;

private:
    QString programFolder_;
    QString dataFolder_;
};

// False for an empty path; a path that starts with a double quote loses its first and last
// characters; true when the file or folder exists.
bool PathExists(const QString& path);
// True when the path exists and is a folder.
bool FolderExists(const QString& path);
// Writes the embedded default file `resourceId` to `path` (see WriteDefaultFile in the .cpp).
void WriteDefaultFile(int resourceId, const QString& path, bool readOnly, bool overwrite);
// The bytes of an embedded default file; empty when there is none with that id.
QByteArray DefaultFileBytes(int resourceId);
// The bytes of an embedded icon (.ico); empty when there is none with that id.
QByteArray EmbeddedIconBytes(int iconId);
