#include "platform/IcoContainer.h"

#include <QtEndian>

namespace IcoContainer {

namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kMaxFrames = 255;
const QByteArray kPngSignature("\x89PNG\r\n\x1a\n", 8);

void putLe16(QByteArray& out, int value) {
    const quint16 le = qToLittleEndian(quint16(value));
    out.append(reinterpret_cast<const char*>(&le), 2);
}

void putLe32(QByteArray& out, quint32 value) {
    const quint32 le = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&le), 4);
}

quint32 le32(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

int le16(const QByteArray& bytes, qsizetype at) {
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

// In the directory a size of 256 is stored as 0.
int sizeByte(int size) {
    return size == 256 ? 0 : size;
}
int sizeFromByte(unsigned char byte) {
    return byte == 0 ? 256 : byte;
}

} // namespace

bool Frame::isPng() const {
    return data.startsWith(kPngSignature);
}

QByteArray compose(const QList<Frame>& frames) {
    if (frames.isEmpty() || frames.size() > kMaxFrames) return {};
    for (const Frame& f : frames)
        if (f.width < 1 || f.width > 256 || f.height < 1 || f.height > 256 || f.data.isEmpty())
            return {};

    QByteArray out;
    putLe16(out, 0); // reserved
    putLe16(out, 1); // type: icon
    putLe16(out, int(frames.size()));
    quint32 offset = kHeaderSize + kEntrySize * quint32(frames.size());
    for (const Frame& f : frames) {
        out.append(char(sizeByte(f.width)));
        out.append(char(sizeByte(f.height)));
        out.append(char(0)); // no palette
        out.append(char(0)); // reserved
        putLe16(out, 1);     // colour planes
        putLe16(out, 32);    // bits per pixel
        putLe32(out, quint32(f.data.size()));
        putLe32(out, offset);
        offset += quint32(f.data.size());
    }
    for (const Frame& f : frames)
        out.append(f.data);
    return out;
}

QList<Frame> parse(const QByteArray& file) {
    if (file.size() < kHeaderSize || le16(file, 0) != 0 || le16(file, 2) != 1) return {};
    const int count = le16(file, 4);
    if (count == 0 || file.size() < kHeaderSize + qsizetype(count) * kEntrySize) return {};

    QList<Frame> frames;
    for (int i = 0; i < count; ++i) {
        const qsizetype entry = kHeaderSize + qsizetype(i) * kEntrySize;
        const quint64 size = le32(file, entry + 8);
        const quint64 offset = le32(file, entry + 12);
        if (size == 0 || offset + size > quint64(file.size())) return {};
        frames.append({sizeFromByte(uchar(file[entry])), sizeFromByte(uchar(file[entry + 1])),
                       file.mid(qsizetype(offset), qsizetype(size))});
    }
    return frames;
}

} // namespace IcoContainer
