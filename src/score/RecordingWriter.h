#pragma once
// Saves a recording in a format other than a score, for the files of that format (a MIDI file
// for ".mid"). The recorder is handed one, so that it knows no other format itself.
#include <QString>

class RecordingWriter {
public:
    virtual ~RecordingWriter() = default;
    // Whether `path` names a file this writer writes.
    virtual bool handles(const QString& path) const = 0;
    // The recording, given as its score text; false when the file could not be written.
    virtual bool write(const QString& path, const QString& scoreText) = 0;
};
