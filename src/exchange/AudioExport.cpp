#include "exchange/AudioExport.h"

#include "core/ConversionFiles.h"
#include "exchange/MidiConversion.h"
#include "midi/MidiTempoMap.h"
#include "midi/SmfReader.h"
#include "platform/AtomicFile.h"
#include "platform/MidiStatus.h"
#include "score/ScoreFile.h"
#include "score/ScoreText.h"

#include <QFileInfo>
#include <algorithm>

namespace AudioExport {
namespace {

bool soundsANote(const QList<AudioRenderer::Event>& events) {
    return std::any_of(events.begin(), events.end(), [](const AudioRenderer::Event& event) {
        return MidiStatus::isNoteOn(int(event.message & 0xFF), int(event.message >> 16 & 0x7F));
    });
}

QString unsupportedFormat(const QString& path) {
    return QStringLiteral("错误：不知道把“%1”存为哪种音频：文件名请以 .wav、.flac 或 .ogg 结尾！")
        .arg(path);
}

} // namespace

std::optional<AudioFileFormat> formatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("wav")) return AudioFileFormat::Wav;
    if (suffix == QLatin1String("flac")) return AudioFileFormat::Flac;
    if (suffix == QLatin1String("ogg") || suffix == QLatin1String("oga"))
        return AudioFileFormat::OggVorbis;
    return std::nullopt;
}

QList<AudioRenderer::Event> events(const QByteArray& midi) {
    const SmfReader::Result read = SmfReader::read(midi);
    QList<SmfEvent> messages;
    for (const SmfTrack& track : read.file.tracks)
        for (const SmfEvent& event : track.events)
            if (event.kind == SmfEvent::Kind::Channel) messages.append(event);
    std::stable_sort(messages.begin(), messages.end(),
                     [](const SmfEvent& a, const SmfEvent& b) { return a.tick < b.tick; });
    MidiTempoMap time(read.file);
    QList<AudioRenderer::Event> out;
    out.reserve(messages.size());
    for (const SmfEvent& e : messages)
        out.append({time.milliseconds(e.tick), std::uint32_t(e.status) |
                                                   std::uint32_t(e.data1) << 8 |
                                                   std::uint32_t(e.data2) << 16});
    return out;
}

QString nothingSoundsText() {
    return QStringLiteral("错误：乐谱中没有发声的音符，没有可以导出的声音！");
}

QString exportMidi(const QByteArray& midi, const QString& audioPath, AudioRenderer& renderer) {
    const std::optional<AudioFileFormat> format = formatOf(audioPath);
    if (!format) return unsupportedFormat(audioPath);
    const QList<AudioRenderer::Event> sound = events(midi);
    if (!soundsANote(sound)) return nothingSoundsText();
    QString error;
    const bool written = AtomicFile::write(audioPath, [&](QIODevice& file) {
        error = renderer.render(sound, *format, file);
        return error.isEmpty();
    });
    if (written) return {};
    return error.isEmpty() ? ConversionFiles::cannotWrite(audioPath) : error;
}

QString exportScoreText(const QString& text, const QString& audioPath, const NoteTable& notes,
                        AudioRenderer& renderer) {
    return exportMidi(MidiConversion::scoreMidi(text, notes), audioPath, renderer);
}

QString exportScoreFile(const QString& scorePath, const QString& audioPath, const NoteTable& notes,
                        AudioRenderer& renderer) {
    const ScoreFile::ReadResult file = ScoreFile::readWhole(scorePath);
    if (file.error != ScoreFile::ReadError::None) return ScoreFile::errorText(file.error);
    return exportScoreText(ScoreText::decode(file.bytes), audioPath, notes, renderer);
}

} // namespace AudioExport
