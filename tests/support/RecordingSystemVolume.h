#pragma once
// A system volume that records every slider position it is given.
#include "platform/SystemVolume.h"

#include <QList>

class RecordingSystemVolume : public SystemVolume {
public:
    bool setSliderVolume(int position) override {
        positions.append(position);
        return available;
    }

    QList<int> positions;
    bool available = true;
};
