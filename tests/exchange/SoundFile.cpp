#include "SoundFile.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <sndfile.h>

SoundFile SoundFile::read(const QString& path) {
    SoundFile sound;
    SF_INFO info{};
    SNDFILE* file = sf_open(QFile::encodeName(path).constData(), SFM_READ, &info);
    if (!file) return sound;
    sound.format = info.format;
    sound.sampleRate = info.samplerate;
    sound.channels = info.channels;
    std::vector<float> frames(std::size_t(info.frames) * std::size_t(info.channels));
    const sf_count_t read = sf_readf_float(file, frames.data(), info.frames);
    sf_close(file);
    for (sf_count_t i = 0; i < read; ++i)
        sound.left.push_back(frames[std::size_t(i) * std::size_t(info.channels)]);
    return sound;
}

std::vector<double> SoundFile::onsetsNear(const std::vector<double>& expectedMs,
                                          double searchMs) const {
    const auto frameAt = [this](double ms) {
        return std::clamp<long>(std::lround(ms * sampleRate / 1000.0), 0, long(left.size()));
    };
    const auto peak = [this](long from, long to) {
        float level = 0.0f;
        for (long i = from; i < to; ++i)
            level = std::max(level, std::abs(left[std::size_t(i)]));
        return level;
    };
    std::vector<double> onsets;
    for (double expected : expectedMs) {
        const long from = frameAt(expected - searchMs);
        const long to = frameAt(expected + searchMs);
        // What sounded before the search window: the tail of the note before.
        const float before = peak(frameAt(expected - 2 * searchMs), from);
        // A few steps of 16-bit sound above that: where the note's attack begins to show.
        const float threshold = std::max(4.0f * before, 6.0f / 32768.0f);
        long at = from;
        while (at < to && std::abs(left[std::size_t(at)]) < threshold)
            ++at;
        onsets.push_back(at < to ? at * 1000.0 / sampleRate : -1.0);
    }
    return onsets;
}
