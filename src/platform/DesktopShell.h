#pragma once
// The desktop's shell: opening documents, folders and addresses with their default programs.
#include <QString>

class DesktopShell {
public:
    virtual ~DesktopShell() = default;
    // A local path or an address (with a scheme such as https:); false when nothing could open it.
    virtual bool open(const QString& target) = 0;
};
