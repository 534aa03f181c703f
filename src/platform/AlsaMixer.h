#pragma once
// ALSA's mixer: the playback master of a card ("Master", else its first playback volume). With
// PipeWire or PulseAudio behind the "default" device that is the sound server's own volume.
#include "platform/PlaybackMixer.h"

#include <QString>
#include <memory>

class AlsaMixer : public PlaybackMixer {
public:
    explicit AlsaMixer(QString device = QStringLiteral("default"));
    ~AlsaMixer() override;
    AlsaMixer(const AlsaMixer&) = delete;
    AlsaMixer& operator=(const AlsaMixer&) = delete;

    int open() override;
    long minimum() const override { return minimum_; }
    long maximum() const override { return maximum_; }
    bool setVolume(long value) override;
    bool setSwitch(bool on) override;

private:
    struct Handle;
    int attach();

    QString device_;
    std::unique_ptr<Handle> handle_;
    bool tried_ = false;
    int result_ = 0;
    long minimum_ = 0;
    long maximum_ = 0;
};
