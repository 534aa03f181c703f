#pragma once
// A recording saved under a MIDI file's name: the MIDI file its score plays as.
#include "core/NoteTable.h"
#include "score/RecordingWriter.h"

class MidiRecordingWriter : public RecordingWriter {
public:
    explicit MidiRecordingWriter(const NoteTable& notes) : notes_(notes) {}
    bool handles(const QString& path) const override;
    bool write(const QString& path, const QString& scoreText) override;

private:
    const NoteTable& notes_;
};
