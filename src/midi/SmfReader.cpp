#include "midi/SmfReader.h"

#include "platform/MidiStatus.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace SmfReader {
namespace {

// A cursor over the bytes of one chunk; every read is checked against its end.
class Cursor {
public:
    Cursor(const QByteArray& bytes, qsizetype begin, qsizetype end)
        : bytes_(bytes), at_(begin), end_(end) {}

    bool atEnd() const { return at_ >= end_; }
    qsizetype left() const { return end_ - at_; }
    bool byte(quint8& out) {
        if (atEnd()) return false;
        out = quint8(bytes_[at_++]);
        return true;
    }
    // A variable-length quantity: at most four bytes (28 bits).
    bool vlq(quint32& out) {
        out = 0;
        for (int i = 0; i < 4; ++i) {
            quint8 b = 0;
            if (!byte(b)) return false;
            out = (out << 7) | (b & 0x7F);
            if (!(b & 0x80)) return true;
        }
        return false;
    }
    bool skip(quint32 count) {
        if (count > quint64(left())) return false;
        at_ += count;
        return true;
    }
    QByteArray take(quint32 count) { // after a successful check with fits()
        const QByteArray part = bytes_.mid(at_, count);
        at_ += count;
        return part;
    }
    bool fits(quint32 count) const { return count <= quint64(left()); }

private:
    const QByteArray& bytes_;
    qsizetype at_;
    qsizetype end_;
};

quint32 bigEndian(const QByteArray& bytes, qsizetype at, int count) {
    quint32 value = 0;
    for (int i = 0; i < count; ++i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

// Track names are Latin-1 or UTF-8 in practice; invalid UTF-8 falls back to Latin-1.
QString trackName(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = utf8(bytes);
    return utf8.hasError() ? QString::fromLatin1(bytes) : text;
}

Error readTrack(Cursor in, SmfTrack& track, qsizetype& eventCount) {
    qint64 tick = 0;
    quint8 running = 0;
    while (!in.atEnd()) {
        quint32 delta = 0;
        if (!in.vlq(delta)) return in.atEnd() ? Error::Truncated : Error::Malformed;
        tick += delta;
        quint8 status = 0;
        if (!in.byte(status)) return Error::Truncated;
        if (status < 0x80) {
            // Running status: the data byte just read belongs to the last channel message.
            if (running == 0) return Error::Malformed;
            SmfEvent event{tick, SmfEvent::Kind::Channel, running, status};
            if (MidiStatus::dataBytes(running) == 2 && !in.byte(event.data2))
                return Error::Truncated;
            if (event.data2 >= 0x80) return Error::Malformed;
            if (++eventCount > kMaxEvents) return Error::TooLarge;
            track.events.append(event);
        } else if (status < MidiStatus::kSystem) {
            running = status;
            SmfEvent event{tick, SmfEvent::Kind::Channel, status};
            if (!in.byte(event.data1)) return Error::Truncated;
            if (MidiStatus::dataBytes(status) == 2 && !in.byte(event.data2))
                return Error::Truncated;
            if (event.data1 >= 0x80 || event.data2 >= 0x80) return Error::Malformed;
            if (++eventCount > kMaxEvents) return Error::TooLarge;
            track.events.append(event);
        } else if (status == 0xF0 || status == 0xF7) {
            running = 0;
            quint32 length = 0;
            if (!in.vlq(length)) return in.atEnd() ? Error::Truncated : Error::Malformed;
            if (!in.skip(length)) return Error::Truncated;
        } else if (status == 0xFF) {
            running = 0;
            quint8 type = 0;
            quint32 length = 0;
            if (!in.byte(type)) return Error::Truncated;
            if (!in.vlq(length)) return in.atEnd() ? Error::Truncated : Error::Malformed;
            if (!in.fits(length)) return Error::Truncated;
            if (type == 0x2F) return Error::None; // end of track
            const QByteArray data = in.take(length);
            SmfEvent event{tick};
            if (type == 0x51 && length == 3) {
                event.kind = SmfEvent::Kind::Tempo;
                event.value = bigEndian(data, 0, 3);
            } else if (type == 0x58 && length >= 2) {
                event.kind = SmfEvent::Kind::TimeSignature;
                event.data1 = quint8(data[0]);
                event.data2 = quint8(data[1]);
            } else {
                if (type == 0x03 && track.name.isEmpty()) track.name = trackName(data);
                continue;
            }
            if (++eventCount > kMaxEvents) return Error::TooLarge;
            track.events.append(event);
        } else {
            return Error::Malformed; // system real-time and common messages have no place here
        }
    }
    return Error::None; // a track without its end event ends with its chunk
}

} // namespace

Result read(const QByteArray& bytes) {
    Result result;
    if (bytes.size() < 14 || !bytes.startsWith("MThd")) {
        result.error = bytes.startsWith("MThd") ? Error::Truncated : Error::NotMidi;
        return result;
    }
    const quint32 headerLength = bigEndian(bytes, 4, 4);
    if (headerLength < 6) {
        result.error = Error::Malformed;
        return result;
    }
    if (headerLength > quint64(bytes.size() - 8)) {
        result.error = Error::Truncated;
        return result;
    }
    result.file.format = int(bigEndian(bytes, 8, 2));
    const quint32 declaredTracks = bigEndian(bytes, 10, 2);
    result.file.division = qint16(bigEndian(bytes, 12, 2));
    if (declaredTracks == 0) {
        result.error = Error::NoTracks;
        return result;
    }
    if (result.file.division == 0 || result.file.format > 2) {
        result.error = Error::Malformed;
        return result;
    }

    qsizetype at = 8 + qsizetype(headerLength);
    qsizetype eventCount = 0;
    while (at < bytes.size() && result.file.tracks.size() < qsizetype(declaredTracks)) {
        if (bytes.size() - at < 8) {
            result.error = Error::Truncated;
            return result;
        }
        const quint32 length = bigEndian(bytes, at + 4, 4);
        const bool isTrack = bytes.mid(at, 4) == "MTrk";
        at += 8;
        if (length > quint64(bytes.size() - at)) {
            result.error = Error::Truncated;
            return result;
        }
        if (isTrack) {
            if (result.file.tracks.size() >= kMaxTracks) {
                result.error = Error::TooLarge;
                return result;
            }
            SmfTrack track;
            result.error = readTrack(Cursor(bytes, at, at + length), track, eventCount);
            if (result.error != Error::None) return result;
            result.file.tracks.append(std::move(track));
        }
        at += length;
    }
    if (result.file.tracks.size() < qsizetype(declaredTracks))
        result.error = result.file.tracks.isEmpty() ? Error::NoTracks : Error::Truncated;
    return result;
}

Result readFile(const QString& path) {
    QFile file(path);
    // Only a regular file: a pipe nobody writes to would block, a device might never end.
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return {{}, Error::Unreadable};
    // Checked on the read as well, for a file that grows meanwhile.
    const QByteArray bytes =
        file.size() > kMaxFileBytes ? QByteArray() : file.read(kMaxFileBytes + 1);
    if (file.size() > kMaxFileBytes || bytes.size() > kMaxFileBytes) return {{}, Error::TooLarge};
    if (file.error() != QFileDevice::NoError) return {{}, Error::Unreadable};
    return read(bytes);
}

QString errorText(Error error) {
    switch (error) {
    case Error::None:
        break;
    case Error::NotMidi:
        return QStringLiteral("错误：该文件不是 MIDI 文件，无法打开！");
    case Error::Truncated:
        return QStringLiteral("错误：MIDI 文件不完整（已被截断），无法打开！");
    case Error::Malformed:
        return QStringLiteral("错误：MIDI 文件已损坏，无法打开！");
    case Error::NoTracks:
        return QStringLiteral("错误：MIDI 文件中没有音轨！");
    case Error::TooLarge:
        return QStringLiteral("错误：MIDI 文件太大（超过 16 MB 或事件过多），无法打开！");
    case Error::Unreadable:
        return QStringLiteral("错误：无法读取 MIDI 文件！请确认文件可以访问！");
    }
    return {};
}

} // namespace SmfReader
