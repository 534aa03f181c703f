#pragma once
// Just enough signal analysis to tell what a rendered note sounds like.
#include <vector>

namespace Spectrum {
// Root mean square of the samples.
double rms(const std::vector<float>& samples);
// The frequency of the strongest partial between `minHz` and `maxHz` (Hann window, plain DFT,
// refined between bins).
double strongestFrequency(const std::vector<float>& samples, double sampleRate, double minHz,
                          double maxHz);
// Magnitudes at the first `count` multiples of `fundamentalHz`, scaled so that they sum to 1.
std::vector<double> harmonicProfile(const std::vector<float>& samples, double sampleRate,
                                    double fundamentalHz, int count);
} // namespace Spectrum
