#pragma once
// Registers a file type in the association store: the extension names the type, the type names
// its open command, icon and extra verb, and the program gets its own "Applications" entry.
// After every change the desktop is told, through the callback given at construction.
#include "settings/CRegedit.h"

#include <functional>

class CRegeditExpanded {
public:
    CRegeditExpanded(CRegedit& registry, std::function<void()> associationsChanged);

    // An empty open command becomes "program path" "%1"; an empty verb command the open command.
    void setAssociatedApp_(const QString& sExtension_, const QString& sTypeName_,
                           const QString& sAppPath_, bool blnSetIcon_, const QString& sIconPath_,
                           bool blnAddVerb_, const QString& sVerbName_, bool blnRegisterApp_,
                           const QString& sOpenCommand_, const QString& sVerbCommand_);
    // Deletes what setAssociatedApp_ wrote, each key after its subkeys; the extension key only
    // while it still names this type, so another program's claim on it stays.
    void UnsetAssociatedApp_(const QString& sExtension_, const QString& sTypeName_,
                             const QString& sAppPath_, bool blnIcon_, bool blnVerb_,
                             const QString& sVerbName_, bool blnApp_);
    // The file name of the program registered to open the extension, "" when there is no open
    // command. The command itself goes to `sCommand_` when given.
    QString getAssociatedAppName_(const QString& sExtension_, QString* sCommand_,
                                  bool blnUpperCase_) const;
    void RefreshAssociatedIcon_();

private:
    void writeTypeLayout(const QString& root, bool setIcon, const QString& iconPath, bool addVerb,
                         const QString& verbName, const QString& openCommand,
                         const QString& verbCommand);
    void deleteTypeLayout(const QString& root, bool icon, bool verb, const QString& verbName);

    CRegedit& registry_;
    std::function<void()> associationsChanged_;
};
