#pragma once
// Encodes stereo sound into a WAV or FLAC file of 16-bit samples or an Ogg Vorbis file, written
// through libsndfile onto any seekable QIODevice.
#include "platform/AudioRenderer.h"

#include <QString>

class QIODevice;
struct sf_private_tag;

class SoundFileWriter {
public:
    // The most frames a file of `format` holds: WAV counts its bytes in 32 bits, so a longer
    // sound would make a file no player reads correctly; the others have no practical limit.
    static qint64 maxFrames(AudioFileFormat format);

    SoundFileWriter(QIODevice& out, AudioFileFormat format, int sampleRate);
    ~SoundFileWriter();
    SoundFileWriter(const SoundFileWriter&) = delete;
    SoundFileWriter& operator=(const SoundFileWriter&) = delete;

    // "" while the file is being written well, else libsndfile's reason.
    QString error() const { return error_; }
    // One channel per array; samples beyond ±1 are clipped, not wrapped.
    bool write(const float* left, const float* right, int frames);
    // Completes the file (headers, the last encoded blocks); false when that failed.
    bool finish();

private:
    sf_private_tag* file_ = nullptr;
    QIODevice& out_;
    QString error_;
};
