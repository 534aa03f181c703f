#pragma once
// A system volume that records every level it is given.
#include "platform/SystemVolume.h"

#include <QList>

class RecordingSystemVolume : public SystemVolume {
public:
    bool setSpeakerVolume(int level) override {
        levels.append(level);
        return true;
    }
    QList<int> levels;
};
