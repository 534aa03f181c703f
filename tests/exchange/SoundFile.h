#pragma once
// An audio file read back as libsndfile decodes it, and the onsets of the notes in it.
#include <QString>
#include <vector>

struct SoundFile {
    int format = 0; // libsndfile's major format and subtype
    int sampleRate = 0;
    int channels = 0;
    std::vector<float> left; // empty when the file could not be read

    static SoundFile read(const QString& path);
    double seconds() const { return sampleRate > 0 ? double(left.size()) / sampleRate : 0.0; }
    // Where each note begins, in milliseconds: for each expected time, the first moment within
    // `searchMs` of it at which the sound rises clearly above what sounded just before; -1 when
    // it does not.
    std::vector<double> onsetsNear(const std::vector<double>& expectedMs, double searchMs) const;
};
