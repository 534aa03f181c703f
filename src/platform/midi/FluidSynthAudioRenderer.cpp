#include "platform/midi/FluidSynthAudioRenderer.h"

#include "platform/SoundFileWriter.h"
#include "platform/midi/AudioRestGate.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

// Renders the synthesizer's sound into the file, chunk by chunk.
class SoundStream {
public:
    SoundStream(FluidSynthEngine& engine, SoundFileWriter& file) : engine_(engine), file_(file) {}

    qint64 frame() const { return frame_; }

    bool renderTo(qint64 target) {
        while (frame_ < target)
            if (!renderChunk(int(std::min<qint64>(kChunkFrames, target - frame_)))) return false;
        return true;
    }
    // Renders until nothing has sounded for `quietFrames` in a row, at most `limit` frames.
    bool renderTail(qint64 quietFrames, qint64 limit) {
        qint64 quiet = 0;
        for (qint64 end = frame_ + limit; quiet < quietFrames && frame_ < end;) {
            const int frames = int(std::min<qint64>(kChunkFrames, end - frame_));
            if (!renderChunk(frames)) return false;
            const bool silent = engine_.activeVoiceCount() == 0 &&
                                AudioRestGate::quiet(left_.data(), right_.data(), frames);
            quiet = silent ? quiet + frames : 0;
        }
        return true;
    }

private:
    static constexpr int kChunkFrames = 4096;

    bool renderChunk(int frames) {
        engine_.render(left_.data(), right_.data(), frames);
        frame_ += frames;
        return file_.write(left_.data(), right_.data(), frames);
    }

    FluidSynthEngine& engine_;
    SoundFileWriter& file_;
    std::vector<float> left_ = std::vector<float>(kChunkFrames);
    std::vector<float> right_ = std::vector<float>(kChunkFrames);
    qint64 frame_ = 0;
};

QString tooLongText(AudioFileFormat format, double sampleRate) {
    const double hours = double(SoundFileWriter::maxFrames(format)) / sampleRate / 3600.0;
    return QStringLiteral("乐谱太长：WAV 文件最多能存放约 %1 小时的声音。请改存为 FLAC 或 Ogg "
                          "Vorbis 文件。")
        .arg(hours, 0, 'f', 1);
}

QString cannotEncode(const QString& reason) {
    return QStringLiteral("无法写入音频文件：%1").arg(reason);
}

} // namespace

FluidSynthAudioRenderer::FluidSynthAudioRenderer(FluidSynthOutput::Config config)
    : config_(std::move(config)) {
    config_.audioDrivers.clear();
}

QString FluidSynthAudioRenderer::render(const QList<Event>& events, AudioFileFormat format,
                                        QIODevice& out) {
    FluidSynthOutput synth(config_);
    QString error;
    if (!synth.open(error)) return error;
    FluidSynthEngine& engine = *synth.engine();
    const double rate = engine.sampleRate();
    const qint64 block = engine.blockFrames();
    const auto frameOf = [rate, block](double milliseconds) {
        const qint64 frame = std::llround(std::max(milliseconds, 0.0) * rate / 1000.0);
        return (frame + block / 2) / block * block;
    };
    const qint64 tailLimit = qint64(kMaxTailSeconds * rate);
    double lastMilliseconds = 0.0;
    for (const Event& event : events)
        lastMilliseconds = std::max(lastMilliseconds, event.milliseconds);
    if (lastMilliseconds * rate / 1000.0 + double(tailLimit + block) >
        double(SoundFileWriter::maxFrames(format)))
        return tooLongText(format, rate);

    SoundFileWriter file(out, format, int(rate));
    SoundStream sound(engine, file);
    bool written = file.error().isEmpty();
    for (qsizetype i = 0; written && i < events.size(); ++i) {
        written = sound.renderTo(frameOf(events[i].milliseconds));
        engine.send(events[i].message);
    }
    written = written &&
              sound.renderTail(qint64(FluidSynthEngine::kQuietSecondsBeforeRest * rate), tailLimit);
    if (written && file.finish()) return {};
    return cannotEncode(file.error());
}
