#include "platform/midi/FluidSynthEngine.h"

#include "platform/midi/AlsaErrorSilencer.h"
#include "platform/midi/ShortMessage.h"

#include <QFile>
#include <fluidsynth.h>
#include <mutex>

namespace {

// FluidSynth logs to the console by default. Its errors are kept instead, per thread, so that
// the call that failed can report them; everything else is dropped.
class FluidLog {
public:
    FluidLog() {
        static std::once_flag installed;
        std::call_once(installed, [] {
            for (int level : {FLUID_PANIC, FLUID_ERR})
                fluid_set_log_function(level, keep, nullptr);
            for (int level : {FLUID_WARN, FLUID_INFO, FLUID_DBG})
                fluid_set_log_function(level, nullptr, nullptr);
        });
        errors().clear();
    }
    QString text() const { return errors().join(QStringLiteral("; ")); }

private:
    static constexpr int kKept = 8;
    static QStringList& errors() {
        thread_local QStringList list;
        return list;
    }
    static void keep(int, const char* message, void*) {
        QStringList& list = errors();
        if (list.size() < kKept) list.append(QString::fromLocal8Bit(message));
    }
};

} // namespace

std::unique_ptr<FluidSynthEngine> FluidSynthEngine::create(const Options& options, QString& error) {
    const FluidLog log;
    std::unique_ptr<FluidSynthEngine> engine(new FluidSynthEngine);
    engine->settings_ = new_fluid_settings();
    if (!engine->settings_) {
        error = log.text();
        return nullptr;
    }
    fluid_settings_t* s = engine->settings_;
    fluid_settings_setnum(s, "synth.sample-rate", options.sampleRate);
    fluid_settings_setnum(s, "synth.gain", options.gain);
    fluid_settings_setint(s, "synth.dynamic-sample-loading", options.dynamicSampleLoading ? 1 : 0);
    fluid_settings_setint(s, "audio.period-size", options.periodSize);
    fluid_settings_setint(s, "audio.periods", options.periods);
    engine->synth_ = new_fluid_synth(s);
    if (!engine->synth_) {
        error = log.text();
        return nullptr;
    }
    return engine;
}

FluidSynthEngine::~FluidSynthEngine() {
    // The driver renders from the synthesizer on its own thread: it goes first, woken if it rests.
    if (rest_) rest_->close();
    if (driver_) delete_fluid_audio_driver(driver_);
    if (synth_) delete_fluid_synth(synth_);
    if (settings_) delete_fluid_settings(settings_);
}

bool FluidSynthEngine::loadSoundFont(const QString& path, QString& error) {
    const FluidLog log;
    const QByteArray file = QFile::encodeName(path);
    // A file of another kind would reach the DLS loader, which complains on the console.
    if (!fluid_is_soundfont(file.constData())) {
        error = QStringLiteral("not a SoundFont file");
        return false;
    }
    if (fluid_synth_sfload(synth_, file.constData(), 1) != FLUID_FAILED) return true;
    error = log.text();
    return false;
}

bool FluidSynthEngine::startAudio(const QStringList& drivers, QString& error) {
    QStringList refusals;
    rest_ = std::make_unique<AudioRestGate>(long(kQuietSecondsBeforeRest * sampleRate()));
    for (const QString& name : drivers) {
        const FluidLog log;
        const AlsaErrorSilencer quiet;
        fluid_settings_setstr(settings_, "audio.driver", name.toUtf8().constData());
        driver_ = new_fluid_audio_driver2(settings_, &FluidSynthEngine::renderPeriod, this);
        if (driver_) {
            audioDriver_ = name;
            return true;
        }
        refusals.append(QStringLiteral("%1: %2").arg(name, log.text()));
    }
    error = refusals.join(QStringLiteral("; "));
    return false;
}

double FluidSynthEngine::configuredLatencyMs() const {
    if (!driver_) return 0.0;
    int periodSize = 0;
    int periods = 0;
    fluid_settings_getint(settings_, "audio.period-size", &periodSize);
    fluid_settings_getint(settings_, "audio.periods", &periods);
    return latencyMs(audioDriver_, periodSize, periods, sampleRate());
}

double FluidSynthEngine::latencyMs(const QString& driver, int periodSize, int periods,
                                   double sampleRate) {
    const int frames = driver == QLatin1String("pulseaudio") ? periodSize : periodSize * periods;
    return sampleRate > 0.0 ? 1000.0 * frames / sampleRate : 0.0;
}

int FluidSynthEngine::renderPeriod(void* engine, int frames, int, float*[], int channels,
                                   float* out[]) {
    auto* self = static_cast<FluidSynthEngine*>(engine);
    if (channels < 2) return FLUID_FAILED;
    self->rest_->beginPeriod();
    fluid_synth_write_float(self->synth_, frames, out[0], 0, 1, out[1], 0, 1);
    self->rest_->endPeriod(frames, self->activeVoiceCount() == 0 &&
                                       AudioRestGate::quiet(out[0], out[1], frames));
    return FLUID_OK;
}

bool FluidSynthEngine::send(std::uint32_t message) {
    const bool sent = deliver(message);
    if (rest_) rest_->wake();
    return sent;
}

bool FluidSynthEngine::deliver(std::uint32_t message) {
    const ShortMessage m = ShortMessage::unpack(message);
    if (!m.isChannelMessage()) return false;
    const int c = m.channel();
    if (MidiStatus::isNoteOff(m.status, m.data2)) {
        // Switching off a note that has already died away is no failure.
        fluid_synth_noteoff(synth_, c, m.data1);
        return true;
    }
    switch (m.kind()) {
    case MidiStatus::kNoteOn:
        return fluid_synth_noteon(synth_, c, m.data1, m.data2) == FLUID_OK;
    case MidiStatus::kKeyPressure:
        return fluid_synth_key_pressure(synth_, c, m.data1, m.data2) == FLUID_OK;
    case MidiStatus::kControlChange:
        return fluid_synth_cc(synth_, c, m.data1, m.data2) == FLUID_OK;
    case MidiStatus::kProgramChange:
        return fluid_synth_program_change(synth_, c, m.data1) == FLUID_OK;
    case MidiStatus::kChannelPressure:
        return fluid_synth_channel_pressure(synth_, c, m.data1) == FLUID_OK;
    default:
        return fluid_synth_pitch_bend(synth_, c, m.data1 | m.data2 << 7) == FLUID_OK;
    }
}

void FluidSynthEngine::render(float* left, float* right, int frames) {
    fluid_synth_write_float(synth_, frames, left, 0, 1, right, 0, 1);
}

int FluidSynthEngine::blockFrames() const {
    return fluid_synth_get_internal_bufsize(synth_);
}

int FluidSynthEngine::activeVoiceCount() const {
    return fluid_synth_get_active_voice_count(synth_);
}

double FluidSynthEngine::sampleRate() const {
    double rate = 0.0;
    fluid_settings_getnum(settings_, "synth.sample-rate", &rate);
    return rate;
}
