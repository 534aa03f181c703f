#include "platform/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace GbkCodec {

QString decode(const QByteArray& bytes) {
    QStringDecoder decoder("GBK", QStringDecoder::Flag::Stateless);
    if (!decoder.isValid()) return QString::fromLatin1(bytes);
    return decoder.decode(bytes);
}

QByteArray encode(const QString& text) {
    QStringEncoder encoder("GBK", QStringEncoder::Flag::Stateless);
    if (!encoder.isValid()) return text.toLatin1();
    return encoder.encode(text);
}

qsizetype boundaryAtOrBefore(const QByteArray& bytes, qsizetype limit) {
    if (limit >= bytes.size()) return bytes.size();
    qsizetype pos = 0;
    while (pos < limit) {
        const auto lead = static_cast<unsigned char>(bytes[pos]);
        const qsizetype width = (lead >= 0x81 && lead <= 0xFE && pos + 1 < bytes.size()) ? 2 : 1;
        if (pos + width > limit) break;
        pos += width;
    }
    return pos;
}

} // namespace GbkCodec
