#pragma once
// A Standard MIDI File as read: its timing and, per track, the events the program uses.
#include <QByteArray>
#include <QList>
#include <QString>

struct SmfEvent {
    enum class Kind : quint8 { Channel, Tempo, TimeSignature, TrackName };
    qint64 tick = 0;
    Kind kind = Kind::Channel;
    // Channel: status, data 1, data 2 (0 when the message has one data byte). Tempo:
    // microseconds per quarter in `value`. Time signature: numerator in data1, the power of two
    // of the denominator in data2.
    quint8 status = 0;
    quint8 data1 = 0;
    quint8 data2 = 0;
    quint32 value = 0;
};

struct SmfTrack {
    QList<SmfEvent> events; // in file order, so by tick
    QString name;
};

struct SmfFile {
    int format = 0;
    // Ticks per quarter note, or (negative frames per second) x 256 + ticks per frame for
    // SMPTE time, as in the header.
    qint16 division = 0;
    QList<SmfTrack> tracks;
};
