#include "Spectrum.h"

#include <cmath>
#include <complex>
#include <numbers>

namespace {

std::vector<double> hannWindowed(const std::vector<float>& samples) {
    const std::size_t n = samples.size();
    std::vector<double> out(n);
    for (std::size_t i = 0; i < n; ++i)
        out[i] =
            samples[i] * (0.5 - 0.5 * std::cos(2.0 * std::numbers::pi * double(i) / double(n - 1)));
    return out;
}

// One DFT coefficient; the phasor turns by multiplication rather than by a sine per sample.
double magnitudeAt(const std::vector<double>& windowed, double sampleRate, double hz) {
    const std::complex<double> step = std::polar(1.0, -2.0 * std::numbers::pi * hz / sampleRate);
    std::complex<double> phasor = 1.0;
    std::complex<double> sum = 0.0;
    for (double s : windowed) {
        sum += s * phasor;
        phasor *= step;
    }
    return std::abs(sum);
}

} // namespace

namespace Spectrum {

double rms(const std::vector<float>& samples) {
    if (samples.empty()) return 0.0;
    double sum = 0.0;
    for (float s : samples)
        sum += double(s) * s;
    return std::sqrt(sum / double(samples.size()));
}

double strongestFrequency(const std::vector<float>& samples, double sampleRate, double minHz,
                          double maxHz) {
    const std::vector<double> windowed = hannWindowed(samples);
    const double binHz = sampleRate / double(samples.size());
    double bestHz = minHz;
    double best = -1.0;
    for (double hz = minHz; hz <= maxHz; hz += binHz) {
        const double m = magnitudeAt(windowed, sampleRate, hz);
        if (m > best) {
            best = m;
            bestHz = hz;
        }
    }
    // A parabola through the peak and its neighbours places it between bins.
    const double left = magnitudeAt(windowed, sampleRate, bestHz - binHz);
    const double right = magnitudeAt(windowed, sampleRate, bestHz + binHz);
    const double curvature = left - 2.0 * best + right;
    return curvature < 0.0 ? bestHz + binHz * 0.5 * (left - right) / curvature : bestHz;
}

std::vector<double> harmonicProfile(const std::vector<float>& samples, double sampleRate,
                                    double fundamentalHz, int count) {
    const std::vector<double> windowed = hannWindowed(samples);
    std::vector<double> profile;
    double total = 0.0;
    for (int h = 1; h <= count; ++h) {
        profile.push_back(magnitudeAt(windowed, sampleRate, fundamentalHz * h));
        total += profile.back();
    }
    for (double& m : profile)
        m = total > 0.0 ? m / total : 0.0;
    return profile;
}

} // namespace Spectrum
