#include "exchange/MidiRecordingWriter.h"

#include "core/FileTypes.h"
#include "exchange/MidiConversion.h"

bool MidiRecordingWriter::handles(const QString& path) const {
    return IsMidiFile(path);
}

bool MidiRecordingWriter::write(const QString& path, const QString& scoreText) {
    return MidiConversion::writeMidi(path, MidiConversion::scoreMidi(scoreText, notes_)).isEmpty();
}
