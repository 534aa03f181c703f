// From NoteOn to the synthesizer having the event: MMidiOut, the system backend and the
// built-in synthesizer, as a strike sends it. Compared with the same call into a backend that
// does nothing, and with one audio period, the soonest the event can be heard.
#include "core/MMidiOut.h"
#include "platform/SystemMidiBackend.h"
#include "platform/midi/FluidSynthOutput.h"

#include <benchmark/benchmark.h>
#include <chrono>
#include <cstdio>

namespace {

class SilentSink : public MessageSink {
public:
    MessageAnswer show(const Message&) override { return MessageAnswer::Ok; }
};

class NullBackend : public MidiBackend {
public:
    QList<MidiDeviceInfo> devices() override { return {{-1, QStringLiteral("null")}}; }
    int open(int) override { return kNoError; }
    int close() override { return kNoError; }
    int sendShortMessage(std::uint32_t message) override {
        benchmark::DoNotOptimize(message);
        return kNoError;
    }
    int invalidHandleError() const override { return 1; }
    QString errorText(int) const override { return {}; }
};

// Strikes A4 again and again, timing only the NoteOn. Between strikes the note is released and
// 50 ms of sound are rendered, as the audio thread would during a fast trill, so that released
// voices pile up no more than in playing.
void strike(benchmark::State& state, MMidiOut& midi, FluidSynthEngine* engine) {
    constexpr int kPeriod = 128;
    constexpr int kPeriodsBetweenStrikes = 19;
    float left[kPeriod], right[kPeriod];
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        midi.NoteOn(0, 33, 100, 36);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        midi.NoteOff(0, 33, 36);
        if (engine)
            for (int i = 0; i < kPeriodsBetweenStrikes; ++i)
                engine->render(left, right, kPeriod);
    }
}

void BM_NoteOnToBuiltInSynthesizer(benchmark::State& state) {
    FluidSynthOutput* synth = nullptr;
    SystemMidiBackend::Sources sources = SystemMidiBackend::systemSources();
    sources.synthesizer = [&synth] {
        FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
        config.audioDrivers.clear(); // rendered here instead of by a sound card
        auto output = std::make_unique<FluidSynthOutput>(config);
        synth = output.get();
        return output;
    };
    SystemMidiBackend backend(sources);
    SilentSink messages;
    MMidiOut midi(backend, messages);
    if (!midi.OpenMidiOut(-1)) {
        state.SkipWithError("the built-in synthesizer did not open");
        return;
    }
    midi.SelectInstrument(0, 0, 0);
    strike(state, midi, synth->engine());
}
BENCHMARK(BM_NoteOnToBuiltInSynthesizer)->UseManualTime()->Unit(benchmark::kMicrosecond);

void BM_NoteOnToNullBackend(benchmark::State& state) {
    NullBackend backend;
    SilentSink messages;
    MMidiOut midi(backend, messages);
    midi.OpenMidiOut(-1);
    strike(state, midi, nullptr);
}
BENCHMARK(BM_NoteOnToNullBackend)->UseManualTime()->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    const FluidSynthEngine::Options options;
    std::printf(
        "Configured output latency of the built-in synthesizer (%d-frame periods, %.0f Hz):\n",
        options.periodSize, options.sampleRate);
    for (const char* driver : {"pulseaudio", "alsa"})
        std::printf("  %-10s %.2f ms\n", driver,
                    FluidSynthEngine::latencyMs(driver, options.periodSize, options.periods,
                                                options.sampleRate));
    std::printf(
        "Reference: one audio period is %.2f ms; NoteOn should take a small part of it.\n\n",
        1000.0 * options.periodSize / options.sampleRate);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
