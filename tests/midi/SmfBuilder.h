#pragma once
// Writes Standard MIDI Files byte by byte, with the traits of files found in the wild: format 0
// or 1, a conductor track, tempo changes, running status, note-offs written as note-ons of
// velocity 0, notes that end after the next one starts. Knows the milliseconds of its own ticks.
#include <QByteArray>
#include <QList>

#include <algorithm>

class SmfBuilder {
public:
    explicit SmfBuilder(int format = 1, quint16 division = 480)
        : format_(format), division_(division) {
        tracks_.append(QList<Event>());
    }

    // Later events go to a new track.
    SmfBuilder& newTrack() {
        tracks_.append(QList<Event>());
        return *this;
    }
    // Status bytes are left out where the one before is the same.
    SmfBuilder& runningStatus(bool on = true) {
        running_ = on;
        return *this;
    }
    // Note-offs as note-ons of velocity 0.
    SmfBuilder& zeroVelocityOffs(bool on = true) {
        zeroVelocityOffs_ = on;
        return *this;
    }

    void tempo(qint64 tick, quint32 microsecondsPerQuarter) {
        add(tick, QByteArray("\xFF\x51\x03", 3) + bigEndian(microsecondsPerQuarter, 3));
        tempos_.append({tick, microsecondsPerQuarter});
        std::stable_sort(tempos_.begin(), tempos_.end(),
                         [](const Tempo& a, const Tempo& b) { return a.tick < b.tick; });
    }
    void timeSignature(qint64 tick, int numerator, int denominatorPower) {
        add(tick, QByteArray("\xFF\x58\x04", 3) + char(numerator) + char(denominatorPower) +
                      QByteArray("\x18\x08", 2));
    }
    void program(qint64 tick, int channel, int program) {
        add(tick, QByteArray(1, char(0xC0 | channel)) + char(program));
    }
    void note(qint64 on, qint64 off, int pitch, int channel = 0) {
        add(on, QByteArray(1, char(0x90 | channel)) + char(pitch) + char(100));
        add(off, zeroVelocityOffs_ ? QByteArray(1, char(0x90 | channel)) + char(pitch) + char(0)
                                   : QByteArray(1, char(0x80 | channel)) + char(pitch) + char(64));
    }

    // Milliseconds from the start to `tick`, by the tempo changes given (120 a minute before
    // the first).
    double ms(qint64 tick) const {
        double at = 0;
        qint64 from = 0;
        quint32 tempo = 500000;
        for (const Tempo& change : tempos_) {
            if (change.tick >= tick) break;
            at += double(change.tick - from) * tempo / 1000.0 / division_;
            from = change.tick;
            tempo = change.microseconds;
        }
        return at + double(tick - from) * tempo / 1000.0 / division_;
    }

    QByteArray bytes() const {
        QByteArray file = QByteArray("MThd\0\0\0\x06", 8) + bigEndian(quint32(format_), 2) +
                          bigEndian(quint32(tracks_.size()), 2) + bigEndian(division_, 2);
        for (QList<Event> events : tracks_) {
            std::stable_sort(events.begin(), events.end(),
                             [](const Event& a, const Event& b) { return a.tick < b.tick; });
            QByteArray body;
            qint64 last = 0;
            char status = 0;
            for (const Event& event : events) {
                body += delta(event.tick - last);
                last = event.tick;
                const bool channel = quint8(event.bytes[0]) < 0xF0;
                const bool omit = running_ && channel && event.bytes[0] == status;
                body += omit ? event.bytes.mid(1) : event.bytes;
                status = channel ? event.bytes[0] : char(0);
            }
            body += QByteArray("\0\xFF\x2F\0", 4);
            file += QByteArray("MTrk", 4) + bigEndian(quint32(body.size()), 4) + body;
        }
        return file;
    }

private:
    struct Event {
        qint64 tick;
        QByteArray bytes;
    };
    struct Tempo {
        qint64 tick;
        quint32 microseconds;
    };

    void add(qint64 tick, const QByteArray& bytes) { tracks_.last().append({tick, bytes}); }

    static QByteArray bigEndian(quint32 value, int count) {
        QByteArray out;
        for (int shift = 8 * (count - 1); shift >= 0; shift -= 8)
            out += char((value >> shift) & 0xFF);
        return out;
    }
    static QByteArray delta(qint64 ticks) {
        QByteArray out(1, char(ticks & 0x7F));
        while (ticks >>= 7)
            out.prepend(char(0x80 | (ticks & 0x7F)));
        return out;
    }

    int format_;
    quint16 division_;
    bool running_ = false;
    bool zeroVelocityOffs_ = false;
    QList<QList<Event>> tracks_;
    QList<Tempo> tempos_;
};
