#pragma once
// Builds a Standard MIDI File of format 0: one track of events appended in time order.
#include <QByteArray>

class SmfWriter {
public:
    // `division`: ticks per quarter note, 1 to 32767.
    explicit SmfWriter(quint16 division);

    // An event earlier than the one before it is put at that one's time.
    void tempo(qint64 tick, quint32 microsecondsPerQuarter);
    void channelMessage(qint64 tick, quint8 status, quint8 data1, quint8 data2);
    // The whole file, the track closed with an end-of-track event.
    QByteArray finish() const;

private:
    void delta(qint64 tick);

    quint16 division_;
    QByteArray track_;
    qint64 lastTick_ = 0;
};
