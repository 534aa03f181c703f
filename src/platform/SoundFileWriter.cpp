#include "platform/SoundFileWriter.h"

#include <QIODevice>
#include <algorithm>
#include <cstdint>
#include <limits>
#include <sndfile.h>
#include <vector>

namespace {

QIODevice& device(void* out) {
    return *static_cast<QIODevice*>(out);
}

sf_count_t length(void* out) {
    return device(out).size();
}

sf_count_t seekTo(sf_count_t offset, int whence, void* out) {
    QIODevice& d = device(out);
    const qint64 base = whence == SEEK_CUR ? d.pos() : whence == SEEK_END ? d.size() : 0;
    return d.seek(base + offset) ? d.pos() : -1;
}

sf_count_t readFrom(void* bytes, sf_count_t count, void* out) {
    return std::max<qint64>(device(out).read(static_cast<char*>(bytes), count), 0);
}

sf_count_t writeTo(const void* bytes, sf_count_t count, void* out) {
    return std::max<qint64>(device(out).write(static_cast<const char*>(bytes), count), 0);
}

sf_count_t position(void* out) {
    return device(out).pos();
}

SF_VIRTUAL_IO kDeviceIo{length, seekTo, readFrom, writeTo, position};

int sndfileFormat(AudioFileFormat format) {
    switch (format) {
    case AudioFileFormat::Flac:
        return SF_FORMAT_FLAC | SF_FORMAT_PCM_16;
    case AudioFileFormat::OggVorbis:
        return SF_FORMAT_OGG | SF_FORMAT_VORBIS;
    case AudioFileFormat::Wav:
        break;
    }
    return SF_FORMAT_WAV | SF_FORMAT_PCM_16;
}

constexpr int kChannels = 2;

} // namespace

qint64 SoundFileWriter::maxFrames(AudioFileFormat format) {
    // Room for the header and the chunks around the samples.
    constexpr qint64 kHeaderBytes = 1024;
    constexpr qint64 kFrameBytes = kChannels * 2;
    return format == AudioFileFormat::Wav
               ? (qint64(std::numeric_limits<std::uint32_t>::max()) - kHeaderBytes) / kFrameBytes
               : std::numeric_limits<qint64>::max() / 2;
}

SoundFileWriter::SoundFileWriter(QIODevice& out, AudioFileFormat format, int sampleRate)
    : out_(out) {
    SF_INFO info{};
    info.samplerate = sampleRate;
    info.channels = kChannels;
    info.format = sndfileFormat(format);
    file_ = sf_open_virtual(&kDeviceIo, SFM_WRITE, &info, &out_);
    if (!file_) {
        error_ = QString::fromLocal8Bit(sf_strerror(nullptr));
        return;
    }
    sf_command(file_, SFC_SET_CLIPPING, nullptr, SF_TRUE);
}

SoundFileWriter::~SoundFileWriter() {
    if (file_) sf_close(file_);
}

bool SoundFileWriter::write(const float* left, const float* right, int frames) {
    if (!file_) return false;
    std::vector<float> interleaved(std::size_t(frames) * kChannels);
    for (int i = 0; i < frames; ++i) {
        interleaved[std::size_t(i) * kChannels] = left[i];
        interleaved[std::size_t(i) * kChannels + 1] = right[i];
    }
    if (sf_writef_float(file_, interleaved.data(), frames) == frames) return true;
    error_ = QString::fromLocal8Bit(sf_strerror(file_));
    return false;
}

bool SoundFileWriter::finish() {
    if (!file_) return false;
    const int closed = sf_close(file_);
    file_ = nullptr;
    if (closed != 0 && error_.isEmpty()) error_ = QString::fromLocal8Bit(sf_error_number(closed));
    return error_.isEmpty();
}
