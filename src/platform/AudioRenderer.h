#pragma once
// Sounds MIDI messages offline into an audio file, as fast as the machine can, the way the
// built-in synthesizer plays them live.
#include <QList>
#include <QString>
#include <cstdint>

class QIODevice;

enum class AudioFileFormat { Wav, Flac, OggVorbis };

class AudioRenderer {
public:
    struct Event {
        // From the start of the sound, where the file begins.
        double milliseconds = 0.0;
        // status | data1 << 8 | data2 << 16, as MidiOutput sends it.
        std::uint32_t message = 0;
    };

    virtual ~AudioRenderer() = default;
    // Writes the sound of `events` (in time order) into `out`, then on until it has died away.
    // "" when the file is complete, else the message for the user; `out` then holds a part.
    virtual QString render(const QList<Event>& events, AudioFileFormat format, QIODevice& out) = 0;
};
