#pragma once
// What the MusicXML reader takes from a file: per part its notes as they sound, placed in quarter
// notes from the start of the piece, and the few facts of the whole piece an import carries.
#include <QList>
#include <QString>

struct MusicXmlFile {
    struct Note {
        double start = 0;  // quarter notes from the start of the piece
        double length = 0; // quarter notes
        int pitch = 60;    // the sounding MIDI note, 0..127
        QString voice;     // "" when the file names none
        bool tieStart = false;
        bool tieStop = false;
        QString lyric; // the first verse's syllable; empty for none
    };
    struct Part {
        QString id;
        QString name;
        int program = 0;       // General MIDI program, 0..127
        int keyPitchClass = 0; // the tonic of its first key signature as it sounds, 0 = C
        double end = 0;        // where its last measure ends, in quarter notes
        QList<Note> notes;     // grace notes, cue notes and unpitched notes left out
    };
    struct Tempo {
        double at; // quarter notes from the start
        double quarterBpm;
    };

    QList<Part> parts;   // in the order of the part list
    QList<Tempo> tempos; // by position; none when the file gives none
    int metreNumerator = 4;
    int metreUnit = 4;
    QString title; // the work's title, else the movement's; empty for none
};
