#pragma once
// The desktop's default programs, through Qt's desktop services (xdg-open and friends).
#include "platform/DesktopShell.h"

class QtDesktopShell : public DesktopShell {
public:
    bool open(const QString& target) override;
};
