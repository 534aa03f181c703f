#pragma once
// Small MIDI files with the traits of real pieces, each the cause of a fault once seen in import:
// a tick that is no whole millisecond, a note longer than any code, runs of 64ths, rests of five
// quarters, a zero-length note, a pad above the tune in a type-0 file, tempo changes, legato
// notes that overlap, running status. Each carries the melody it holds, as heard.
#include "SmfBuilder.h"

#include <QList>
#include <QString>

#include <functional>
#include <ostream>

struct HeardNote {
    int pitch;
    double onMs;
};

struct TestPiece {
    QString name;
    QByteArray bytes;
    QList<HeardNote> melody;
    friend void PrintTo(const TestPiece& piece, std::ostream* out) { *out << piece.name.toStdString(); }
};

namespace TestPieces {

// Writes the notes of `lengths` (ticks; a negative length is a rest) one after another from
// `start`, their pitches walking `pitches`; each sounds `overlap` ticks past its length.
inline qint64 line(SmfBuilder& file, QList<HeardNote>& melody, qint64 start,
                   const QList<int>& lengths, const QList<int>& pitches, int channel = 0,
                   int overlap = 0) {
    qint64 at = start;
    for (qsizetype i = 0; i < lengths.size(); ++i) {
        const int length = lengths[i];
        if (length > 0) {
            const int pitch = pitches[i % pitches.size()];
            file.note(at, at + length + overlap, pitch, channel);
            melody.append({pitch, file.ms(at)});
        }
        at += std::abs(length);
    }
    return at;
}

inline QList<int> repeated(const QList<int>& pattern, int times) {
    QList<int> all;
    for (int i = 0; i < times; ++i)
        all += pattern;
    return all;
}

inline const QList<int> kScale = {60, 62, 64, 65, 67, 69, 71, 72, 71, 69, 67, 65, 64, 62};

inline TestPiece piece(const QString& name,
                       const std::function<void(SmfBuilder&, QList<HeardNote>&)>& fill,
                       int format = 1, quint16 division = 480) {
    SmfBuilder file(format, division);
    QList<HeardNote> melody;
    fill(file, melody);
    return {name, file.bytes(), melody};
}

inline QList<TestPiece> all() {
    return {
        // 16ths and 32nds at 120 a minute: the tick of a 32nd is 62.5 ms.
        piece(QStringLiteral("sixteenths at 120"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 500000);
                  line(f, m, 0,
                       repeated({120, 120, 120, 120, 120, 120, 120, 120, 60,  60,
                                 60,  60,  60,  60,  60,  60,  240, 160, 160, 160},
                                40),
                       kScale);
              }),
        // A note of 7.3 s among quarters at 100 a minute.
        piece(QStringLiteral("long note"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 600000);
                  line(f, m, 0,
                       repeated({480}, 16) + QList<int>{5840} + repeated({480, 240, 240}, 30),
                       kScale);
              }),
        // Runs of 64ths between quarters at 90 a minute.
        piece(QStringLiteral("runs of 64ths"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 666667);
                  line(f, m, 0,
                       repeated(QList<int>{480} + repeated({30}, 16) + QList<int>{480} +
                                    repeated({30}, 8) + QList<int>{960},
                                12),
                       kScale);
              }),
        // Rests of five quarters, and of five quarters and a 16th.
        piece(QStringLiteral("five-quarter rests"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 500000);
                  line(f, m, 0, repeated({480, 480, 480, 480, -2400, 240, 240, 240, -2520}, 15),
                       kScale);
              }),
        // A note struck and released at the same tick, above the tune.
        piece(QStringLiteral("zero-length note"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 500000);
                  line(f, m, 0, {480}, {60});
                  f.note(480, 480, 79);
                  m.append({79, f.ms(480)});
                  line(f, m, 960, repeated({480}, 24), {62, 64, 65, 67});
              }),
        // Format 0: the tune on channel 1, a pad held above it on channel 2.
        piece(
            QStringLiteral("type 0, pad above the tune"),
            [](SmfBuilder& f, QList<HeardNote>& m) {
                f.tempo(0, 500000);
                f.program(0, 1, 48);
                QList<HeardNote> pad;
                line(f, pad, 0, repeated({3840}, 12), {84, 86, 88}, 1);
                line(f, m, 0, repeated({480, 480, 240, 240, 480}, 36), kScale);
            },
            0),
        // 120 a minute, then 90, then 140, and a ritardando of a tempo change every beat.
        piece(QStringLiteral("tempo changes"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 500000);
                  f.tempo(8 * 1920, 666667);
                  f.tempo(16 * 1920, 428571);
                  quint32 tempo = 428571;
                  for (int beat = 0; beat < 16; ++beat)
                      f.tempo(24 * 1920 + beat * 480, tempo = tempo * 103 / 100);
                  line(f, m, 0, repeated({480, 240, 240, 480, 480}, 28), kScale);
              }),
        // Each note sounds on 40 ticks into the next, up and down.
        piece(QStringLiteral("legato overlaps"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 545455);
                  line(f, m, 0, repeated({240, 240, 480, 240, 240, 480}, 30),
                       {60, 64, 62, 65, 64, 67, 65, 69, 67, 72, 71, 67, 64, 62}, 0, 40);
              }),
        // Format 1 with a conductor track, a bass track and the melody, 96 ticks a quarter,
        // running status and note-offs as note-ons of velocity 0.
        piece(
            QStringLiteral("running status"),
            [](SmfBuilder& f, QList<HeardNote>& m) {
                f.runningStatus().zeroVelocityOffs();
                f.tempo(0, 625000);
                f.timeSignature(0, 3, 2);
                QList<HeardNote> bass;
                f.newTrack();
                line(f, bass, 0, repeated({288}, 40), {36, 43, 41}, 1);
                f.newTrack();
                line(f, m, 0, repeated({96, 48, 48, 64, 64, 64}, 40), kScale, 2);
            },
            1, 96),
        // A rag in 2/4 at a tempo that is no whole number (132.5 a minute), syncopated, three
        // minutes long.
        piece(QStringLiteral("rag"),
              [](SmfBuilder& f, QList<HeardNote>& m) {
                  f.tempo(0, 452830);
                  f.timeSignature(0, 2, 2);
                  line(f, m, 0, repeated({120, 240, 120, 240, 240, 360, 120, 240, 240}, 100),
                       {67, 69, 72, 76, 74, 72, 69, 71, 72, 64});
              }),
    };
}

} // namespace TestPieces
