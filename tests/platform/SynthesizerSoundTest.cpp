// The built-in synthesizer really sounds: notes sent through MMidiOut and the system backend are
// rendered into memory, with no audio driver, and listened to.
#include "Spectrum.h"
#include "core/MMidiOut.h"
#include "platform/SystemMidiBackend.h"
#include "platform/midi/FluidSynthOutput.h"
#include "support/RecordingMessageSink.h"

#include <cmath>
#include <gtest/gtest.h>

namespace {

constexpr int kShift = 36;      // the key of C
constexpr int kA4BaseNote = 33; // + 36 = MIDI note 69

class SynthesizerSoundTest : public testing::Test {
protected:
    void SetUp() override {
        SystemMidiBackend::Sources sources = SystemMidiBackend::systemSources();
        sources.synthesizer = [this] {
            FluidSynthOutput::Config config = FluidSynthOutput::systemConfig();
            config.audioDrivers.clear(); // render on request only
            auto output = std::make_unique<FluidSynthOutput>(config);
            synth = output.get();
            return output;
        };
        sources.portNames = [] { return QStringList(); };
        backend = std::make_unique<SystemMidiBackend>(sources);
        midi = std::make_unique<MMidiOut>(*backend, messages);
        ASSERT_TRUE(midi->OpenMidiOut(-1)) << messages.texts().join('\n').toStdString();
        ASSERT_NE(synth->engine(), nullptr);
    }
    void TearDown() override {
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('\n').toStdString();
    }

    // The left channel of the next `seconds` of sound.
    std::vector<float> render(double seconds) {
        const int frames = int(seconds * rate());
        std::vector<float> left(static_cast<std::size_t>(frames)), right(left.size());
        synth->engine()->render(left.data(), right.data(), frames);
        return left;
    }
    // A4 struck with `program` on channel 0, from 50 ms after the strike (past the attack).
    std::vector<float> strikeA4(int program, int velocity = 100) {
        midi->SelectInstrument(0, 0, program);
        midi->NoteOn(0, kA4BaseNote, velocity, kShift);
        render(0.05);
        return render(8192 / rate());
    }
    double rate() const { return synth->engine()->sampleRate(); }

    RecordingMessageSink messages;
    FluidSynthOutput* synth = nullptr;
    std::unique_ptr<SystemMidiBackend> backend;
    std::unique_ptr<MMidiOut> midi;
};

double distance(const std::vector<double>& a, const std::vector<double>& b) {
    double sum = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i)
        sum += std::abs(a[i] - b[i]);
    return sum;
}

TEST_F(SynthesizerSoundTest, IsSilentUntilANoteIsStruck) {
    EXPECT_LT(Spectrum::rms(render(0.2)), 1e-5);
}

TEST_F(SynthesizerSoundTest, A4OnThePianoHasItsStrongestPartialAt440Hz) {
    const std::vector<float> sound = strikeA4(0);
    EXPECT_GT(Spectrum::rms(sound), 0.01);
    EXPECT_NEAR(Spectrum::strongestFrequency(sound, rate(), 100.0, 4000.0), 440.0, 6.0);
}

struct PitchCase {
    int baseNote;
    int shift;
    double hz;
};

void PrintTo(const PitchCase& c, std::ostream* os) {
    *os << "base" << c.baseNote << "shift" << c.shift;
}

class SynthesizerPitchTest : public SynthesizerSoundTest,
                             public testing::WithParamInterface<PitchCase> {};

TEST_P(SynthesizerPitchTest, ThePitchShiftMovesTheNote) {
    midi->SelectInstrument(0, 0, 0);
    midi->NoteOn(0, GetParam().baseNote, 100, GetParam().shift);
    render(0.1);
    const double hz = Spectrum::strongestFrequency(render(8192 / rate()), rate(), 100.0, 4000.0);
    EXPECT_NEAR(hz, GetParam().hz, GetParam().hz * 0.015);
}

INSTANTIATE_TEST_SUITE_P(Notes, SynthesizerPitchTest,
                         testing::Values(PitchCase{33, 36, 440.0},   // A4
                                         PitchCase{33, 48, 880.0},   // an octave up
                                         PitchCase{33, 40, 554.37},  // key of E: C#5
                                         PitchCase{36, 36, 523.25}), // C5
                         testing::PrintToStringParamName());

TEST_F(SynthesizerSoundTest, TheSelectedProgramChangesTheSound) {
    const std::vector<double> piano = Spectrum::harmonicProfile(strikeA4(0), rate(), 440.0, 8);
    midi->NoteOff(0, kA4BaseNote, kShift);
    render(2.0);
    const std::vector<double> pianoAgain = Spectrum::harmonicProfile(strikeA4(0), rate(), 440.0, 8);
    midi->NoteOff(0, kA4BaseNote, kShift);
    render(2.0);
    const std::vector<float> trumpetSound = strikeA4(56);
    const std::vector<double> trumpet = Spectrum::harmonicProfile(trumpetSound, rate(), 440.0, 8);
    EXPECT_LT(distance(piano, pianoAgain), 0.1);
    EXPECT_GT(distance(piano, trumpet), 0.3);
    // Whatever partial is strongest, the trumpet plays the same A.
    const double partial =
        Spectrum::strongestFrequency(trumpetSound, rate(), 100.0, 4000.0) / 440.0;
    EXPECT_NEAR(partial, std::round(partial), 0.02);
}

TEST_F(SynthesizerSoundTest, AProgramSentToAnotherChannelLeavesThisOneAlone) {
    const std::vector<double> piano = Spectrum::harmonicProfile(strikeA4(0), rate(), 440.0, 8);
    midi->NoteOff(0, kA4BaseNote, kShift);
    render(2.0);
    midi->SelectInstrument(2, 0, 56);
    midi->NoteOn(0, kA4BaseNote, 100, kShift);
    render(0.05);
    EXPECT_LT(distance(piano, Spectrum::harmonicProfile(render(8192 / rate()), rate(), 440.0, 8)),
              0.1);
}

TEST_F(SynthesizerSoundTest, VelocityZeroIsHeardAsNothing) {
    EXPECT_LT(Spectrum::rms(strikeA4(0, 0)), 1e-5);
}

TEST_F(SynthesizerSoundTest, NoteOffLetsTheNoteDieAway) {
    midi->SelectInstrument(0, 0, 19); // church organ: it holds as long as the key is down
    midi->NoteOn(0, kA4BaseNote, 100, kShift);
    render(0.3);
    const double held = Spectrum::rms(render(0.1));
    midi->NoteOff(0, kA4BaseNote, kShift);
    render(1.5);
    EXPECT_GT(held, 0.01);
    EXPECT_LT(Spectrum::rms(render(0.1)), held / 20);
    // Switching off a note that no longer sounds is no failure (TearDown checks for no box).
    midi->NoteOff(0, kA4BaseNote, kShift);
}

TEST_F(SynthesizerSoundTest, NoProgramClipsOnItsLoudestNote) {
    float pianoPeak = 0.0f;
    for (int program = 0; program < 128; ++program) {
        for (int baseNote : {12, 33}) {
            midi->SelectInstrument(0, 0, program);
            midi->NoteOn(0, baseNote, 127, kShift);
            float peak = 0.0f;
            for (float s : render(0.3))
                peak = std::max(peak, std::abs(s));
            midi->NoteOff(0, baseNote, kShift);
            midi->ControlChange(0, 120, 0); // all sound off: the next one starts from silence
            render(0.01);
            EXPECT_LT(peak, 1.0f) << "program " << program << ", note " << baseNote + kShift;
            if (program == 0) pianoPeak = std::max(pianoPeak, peak);
        }
    }
    EXPECT_GT(pianoPeak, 0.1f); // and the piano is still well above FluidSynth's quiet default
}

} // namespace
