#pragma once
// A desktop shell that records what it was asked to open and answers as told.
#include "platform/DesktopShell.h"

#include <QStringList>

class RecordingDesktopShell : public DesktopShell {
public:
    bool open(const QString& target) override {
        opened << target;
        return succeed;
    }

    QStringList opened;
    bool succeed = false;
};
