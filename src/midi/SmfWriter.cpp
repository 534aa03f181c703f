#include "midi/SmfWriter.h"

#include "platform/MidiStatus.h"

#include <algorithm>

namespace {
void appendBigEndian(QByteArray& out, quint32 value, int bytes) {
    for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8)
        out.append(char((value >> shift) & 0xFF));
}
} // namespace

SmfWriter::SmfWriter(quint16 division) : division_(std::clamp<quint16>(division, 1, 0x7FFF)) {}

void SmfWriter::delta(qint64 tick) {
    // A variable-length quantity holds at most 28 bits: a longer gap (74 hours at a tick a
    // millisecond) is cut to that.
    quint32 value = quint32(std::clamp<qint64>(tick - lastTick_, 0, 0x0FFFFFFF));
    lastTick_ += value;
    char bytes[4];
    int count = 0;
    do {
        bytes[count++] = char(value & 0x7F);
        value >>= 7;
    } while (value != 0);
    while (count > 1)
        track_.append(char(bytes[--count] | 0x80));
    track_.append(bytes[0]);
}

void SmfWriter::tempo(qint64 tick, quint32 microsecondsPerQuarter) {
    delta(tick);
    track_.append("\xFF\x51\x03", 3);
    appendBigEndian(track_, std::min<quint32>(microsecondsPerQuarter, 0xFFFFFF), 3);
}

void SmfWriter::channelMessage(qint64 tick, quint8 status, quint8 data1, quint8 data2) {
    delta(tick);
    track_.append(char(status));
    track_.append(char(data1 & 0x7F));
    if (MidiStatus::dataBytes(status) == 2) track_.append(char(data2 & 0x7F));
}

QByteArray SmfWriter::finish() const {
    QByteArray track = track_;
    track.append("\x00\xFF\x2F\x00", 4);
    QByteArray file("MThd", 4);
    appendBigEndian(file, 6, 4);
    appendBigEndian(file, 0, 2); // format 0
    appendBigEndian(file, 1, 2); // one track
    appendBigEndian(file, division_, 2);
    file.append("MTrk", 4);
    appendBigEndian(file, quint32(track.size()), 4);
    file.append(track);
    return file;
}
