#pragma once
// Scores as audio files: the MIDI export of a score sounded through the built-in synthesizer,
// so every note starts at the millisecond the program plays it. Each returns "" on success,
// else the message for the user; the file is written beside its place and renamed into it only
// when complete, so a failure never leaves a damaged file.
#include "core/NoteTable.h"
#include "platform/AudioRenderer.h"

#include <optional>

namespace AudioExport {

// The format a file name asks for by its suffix (.wav, .flac, .ogg or .oga); none for others.
std::optional<AudioFileFormat> formatOf(const QString& path);

// The messages of a MIDI file at their milliseconds, in time order.
QList<AudioRenderer::Event> events(const QByteArray& midi);

QString nothingSoundsText();

// The sound of a MIDI file, as the program plays it (the loaded score's, from the window).
QString exportMidi(const QByteArray& midi, const QString& audioPath, AudioRenderer& renderer);

// A score's text as a fresh start plays it (see MidiConversion::scoreMidi): the command line's.
QString exportScoreText(const QString& text, const QString& audioPath, const NoteTable& notes,
                        AudioRenderer& renderer);

QString exportScoreFile(const QString& scorePath, const QString& audioPath, const NoteTable& notes,
                        AudioRenderer& renderer);

} // namespace AudioExport
