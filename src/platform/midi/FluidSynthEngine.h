#pragma once
// A thin owner of one FluidSynth synthesizer: its settings, the synthesizer, the SoundFont and,
// when asked for, the audio driver that plays it. Without a driver it renders only on request,
// which is how it is checked without a sound card. The driver's thread sleeps while nothing sounds.
#include "platform/midi/AudioRestGate.h"

#include <QString>
#include <QStringList>
#include <cstdint>
#include <fluidsynth/types.h>
#include <memory>

class FluidSynthEngine {
public:
    // Silence before the driver rests: by then every release and reverb tail has died away
    // below what 16-bit sound can carry.
    static constexpr double kQuietSecondsBeforeRest = 0.2;

    struct Options {
        double sampleRate = 48000.0;
        // Frames per audio period, and periods in the ALSA ring: small, for a prompt strike.
        int periodSize = 128;
        int periods = 2;
        // FluidSynth's default of 0.2 is too quiet for one note at a time.
        double gain = 0.3;
        // Samples of a preset are read when the preset is selected, not all at start.
        bool dynamicSampleLoading = true;
    };

    // Null, with FluidSynth's text in `error`, when the synthesizer cannot be made.
    static std::unique_ptr<FluidSynthEngine> create(const Options& options, QString& error);
    ~FluidSynthEngine();
    FluidSynthEngine(const FluidSynthEngine&) = delete;
    FluidSynthEngine& operator=(const FluidSynthEngine&) = delete;

    bool loadSoundFont(const QString& path, QString& error);
    // Tries the drivers in order ("pulseaudio", "alsa", ...); the first one that opens plays
    // the synthesizer from then on. `error` gathers what each refused.
    bool startAudio(const QStringList& drivers, QString& error);
    // True while the driver's thread sleeps because nothing sounds; the next message wakes it.
    bool audioResting() const { return rest_ && rest_->resting(); }
    // Audio periods the driver has begun to render; how soon a message is heard shows here.
    unsigned long audioPeriodsBegun() const { return rest_ ? rest_->periodsBegun() : 0; }
    // The driver that plays, "" when none does.
    QString audioDriver() const { return audioDriver_; }
    // The output latency configured for the playing driver, in milliseconds; 0 without one.
    double configuredLatencyMs() const;
    // What `driver` is asked for: the PulseAudio driver targets one period of buffered sound,
    // ALSA keeps a ring of `periods` periods.
    static double latencyMs(const QString& driver, int periodSize, int periods, double sampleRate);

    // Channel messages only (see ShortMessage); false for anything else.
    bool send(std::uint32_t message);
    // Renders `frames` frames of both channels; for use without an audio driver.
    void render(float* left, float* right, int frames);
    // The synthesizer takes in messages between blocks of this many frames: one sent after
    // rendering a whole number of blocks sounds from the first frame rendered next.
    int blockFrames() const;
    int activeVoiceCount() const;
    double sampleRate() const;

private:
    FluidSynthEngine() = default;
    // The driver's callback: one period of sound, or a sleep until the next message.
    static int renderPeriod(void* engine, int frames, int, float*[], int channels, float* out[]);
    bool deliver(std::uint32_t message);

    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_audio_driver_t* driver_ = nullptr;
    QString audioDriver_;
    std::unique_ptr<AudioRestGate> rest_; // with the driver
};
