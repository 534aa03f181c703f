#pragma once
// Whole-file conversions between scores and MIDI files, for the command line and the window.
// Each returns "" on success, else the message for the user; the output is written atomically,
// so a failure never leaves a damaged file, and nothing is written when there is nothing to
// write.
#include "core/NoteTable.h"
#include "exchange/ImportForPlaying.h"
#include "exchange/MidiImport.h"
#include "midi/SmfFile.h"

namespace MidiConversion {

// A score file as a fresh start plays it: its first instrument and key rows in force from the
// start, channel 0, full velocity. A score without notes is refused.
QString exportScoreFile(const QString& scorePath, const QString& midiPath, const NoteTable& notes);

// The MIDI file of a score's text, played as exportScoreFile plays a file.
QByteArray scoreMidi(const QString& text, const NoteTable& notes);

// Writes the MIDI file of a loaded score.
QString writeMidi(const QString& midiPath, const QByteArray& midi);

// Reads a MIDI file; on failure `error` holds the message.
SmfFile readMidi(const QString& midiPath, QString& error);

// The score of the melody of `voice`, titled with the MIDI file's name; on failure (no notes)
// `error` holds the message and the text is empty.
QString importedScore(const SmfFile& file, const MidiImport::MelodyChoice& voice,
                      const QString& midiPath, const NoteTable& notes, QString& error);

// Opening MIDI files for playback: the voices that hold notes are offered, the one with the
// most notes first; the scores are kept in the folder "MIDI".
ImportForPlaying::Format playingFormat(const NoteTable& notes);

// A MIDI file, the voice with the most notes, as a score file.
QString importMidiFile(const QString& midiPath, const QString& scorePath, const NoteTable& notes);

} // namespace MidiConversion
