#pragma once
// Whole-file conversions between scores and MusicXML files, for the command line and the window.
// Each returns "" on success, else the message for the user; the output is written atomically
// and only when the conversion succeeded, so a failure never leaves a damaged or emptied file.
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "exchange/ImportForPlaying.h"
#include "exchange/MusicXmlExport.h"
#include "exchange/ScoreExportCommand.h"

namespace MusicXmlConversion {

// A score file as a fresh start plays it: its first instrument and key rows in force from the
// start; titled with the score's file name.
QString exportScoreFile(const QString& scorePath, const QString& xmlPath, const NoteTable& notes);

// Writes the MusicXML of a loaded score; a score without notes is refused.
QString writeMusicXml(const QString& xmlPath, const Score& score, const ScoreWideValues& wide,
                      const MusicXmlExport::Sound& sound, const QString& title);

// File ▸ "导出为 MusicXML(&L)...": the loaded score, with the key and instrument now chosen on
// the main window in force until its own rows change them, titled with the score's file name.
ScoreExportCommand::Format exportFormat(const PlaybackEngine& engine, const SoundSettings& sound);

// Opening MusicXML files (.musicxml, .xml or .mxl) for playback: the parts that hold notes are
// offered, the one with the most notes first; the scores are kept in the folder "MusicXML".
// A score is titled with the file's title, else its name.
ImportForPlaying::Format playingFormat(const NoteTable& notes);

// A MusicXML file, the part with the most notes, as a score file.
QString importMusicXmlFile(const QString& xmlPath, const QString& scorePath, const NoteTable& notes);

} // namespace MusicXmlConversion
