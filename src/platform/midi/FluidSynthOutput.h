#pragma once
// The built-in synthesizer as a MIDI output: FluidSynth with a General MIDI SoundFont, played
// through the desktop's sound server or ALSA.
#include "platform/midi/FluidSynthEngine.h"
#include "platform/midi/MidiOutput.h"

class FluidSynthOutput : public MidiOutput {
public:
    struct Config {
        // Tried in order; the first readable one is loaded.
        QStringList soundFonts;
        // Tried in order. With none, the synthesizer has no sound output and only renders on
        // request (engine()->render).
        QStringList audioDrivers{QStringLiteral("pulseaudio"), QStringLiteral("alsa")};
        FluidSynthEngine::Options engine;
    };
    // The SoundFonts installed on this machine and the default drivers.
    static Config systemConfig();

    explicit FluidSynthOutput(Config config);

    bool open(QString& error) override;
    bool send(std::uint32_t message, QString& error) override;
    // The running synthesizer; null until open succeeded.
    FluidSynthEngine* engine() { return engine_.get(); }
    QString soundFont() const { return soundFont_; }

private:
    Config config_;
    std::unique_ptr<FluidSynthEngine> engine_;
    QString soundFont_;
};
