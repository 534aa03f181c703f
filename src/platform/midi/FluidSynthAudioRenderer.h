#pragma once
// The built-in synthesizer rendering into an audio file instead of a sound output: the same
// SoundFont and synthesizer settings (gain, sample rate, reverb) as the live one, so the file
// sounds as the program plays.
#include "platform/AudioRenderer.h"
#include "platform/midi/FluidSynthOutput.h"

class FluidSynthAudioRenderer : public AudioRenderer {
public:
    // After the last message the file goes on until the sound has died away, but no longer than
    // this: a sound that never ends (a stuck note) does not make an endless file.
    static constexpr double kMaxTailSeconds = 20.0;

    // The live synthesizer's configuration, FluidSynthOutput::systemConfig() in the program; its
    // audio drivers are not used.
    explicit FluidSynthAudioRenderer(FluidSynthOutput::Config config);

    // Each event sounds from the block boundary of the synthesizer nearest to its time, that is
    // within half a block (0.7 ms at 48 kHz).
    QString render(const QList<Event>& events, AudioFileFormat format, QIODevice& out) override;

private:
    FluidSynthOutput::Config config_;
};
