#pragma once
// The desktop's own idea of which program opens which files: MIME types, their icons and the
// program's desktop entry. The association store is the program's record; this mirrors it.
#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct DesktopFileType {
    // Stands for the file in an open command.
    static inline const QString kFileArgument = QStringLiteral("%1");

    QString mimeType;    // e.g. "application/x-tonvale-piano"
    QString pattern;     // e.g. "*.piano"; matched without regard to letter case
    QString description; // what file managers call the type
    QString iconFile;    // an .ico file with PNG images; empty or unreadable: no icon of our own
    // The program and its arguments. Empty: the type is not ours (any more).
    QStringList openCommand;
};

// The program as the desktop lists it.
struct DesktopProgram {
    QString desktopId; // names the desktop entry and the program's icon
    QString name;
    QString comment;
    QByteArray icon; // an .ico file with PNG images
};

class DesktopIntegration {
public:
    virtual ~DesktopIntegration() = default;
    // Makes the desktop open the types with an open command with this program and removes what
    // was written earlier for the others. What is unchanged is not written again.
    virtual void apply(const QList<DesktopFileType>& types) = 0;
};
