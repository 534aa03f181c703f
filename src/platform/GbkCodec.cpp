#include "platform/GbkCodec.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

bool isLead(uchar b) {
    return b >= 0x81 && b <= 0xFE;
}
bool isDigit(uchar b) {
    return b >= 0x30 && b <= 0x39;
}

// Bytes of the character that starts at `pos`: four for a GB18030 four-byte sequence (lead,
// digit, lead, digit), two for a lead byte with a byte after it, else one. GBK has no character
// whose second byte is a digit, so the four-byte sequences never meet a text GBK reads.
qsizetype widthAt(const QByteArray& bytes, qsizetype pos) {
    const auto at = [&bytes](qsizetype i) { return static_cast<uchar>(bytes[i]); };
    if (!isLead(at(pos)) || pos + 1 >= bytes.size()) return 1;
    if (pos + 3 < bytes.size() && isDigit(at(pos + 1)) && isLead(at(pos + 2)) &&
        isDigit(at(pos + 3)))
        return 4;
    return 2;
}

// The converters are opened once: opening one costs more than converting a line. GB18030's are
// only for four-byte sequences: where GB18030 gives one of GBK's two-byte codes another meaning,
// GBK's holds, as files already on disk were written with it.
struct Converters {
    QStringDecoder gbkDecoder{"GBK", QStringDecoder::Flag::Stateless};
    QStringEncoder gbkEncoder{"GBK", QStringEncoder::Flag::Stateless};
    QStringDecoder fourByteDecoder{"GB18030", QStringDecoder::Flag::Stateless};
    QStringEncoder fourByteEncoder{"GB18030", QStringEncoder::Flag::Stateless};
};

Converters& converters() {
    thread_local Converters instance;
    return instance;
}

// GB18030 gave 81 of GBK's two-byte codes a character of their own (U+1E3F for A8BC, where GBK
// reads the private-use U+E7C7) and moved the private-use character to a four-byte sequence. As
// GBK's reading of the two-byte code stays, that four-byte sequence carries the character
// instead, as in GB18030's first edition, so that these characters are held too.
QString decodeFourBytes(QByteArrayView sequence) {
    const QString character = converters().fourByteDecoder.decode(sequence);
    if (character.size() != 1 || character[0].category() != QChar::Other_PrivateUse)
        return character;
    const QByteArray pair = converters().gbkEncoder.encode(character);
    if (pair.size() != 2) return character;
    const QString moved = converters().fourByteDecoder.decode(pair);
    return moved.size() == 1 && moved[0] != QChar::ReplacementCharacter ? moved : character;
}

// One character (a surrogate pair counts as one) as the first of these that reads back as that
// very character: GBK's bytes, GB18030's, or the four-byte sequence of the private-use character
// that GBK reads from GB18030's two-byte code.
QByteArray encodeCharacter(QStringView character) {
    const auto holds = [character](const QByteArray& bytes) {
        return !bytes.isEmpty() && GbkCodec::decode(bytes) == character;
    };
    if (const QByteArray bytes = converters().gbkEncoder.encode(character); holds(bytes))
        return bytes;
    const QByteArray bytes = converters().fourByteEncoder.encode(character);
    if (holds(bytes)) return bytes;
    if (const QByteArray moved = converters().fourByteEncoder.encode(GbkCodec::decode(bytes));
        holds(moved))
        return moved;
    return QByteArrayLiteral("?");
}

} // namespace

namespace GbkCodec {

QString decode(const QByteArray& bytes) {
    QStringDecoder& gbk = converters().gbkDecoder;
    if (!gbk.isValid()) return QString::fromLatin1(bytes);
    const QByteArrayView view(bytes);
    QString text;
    qsizetype runStart = 0;
    for (qsizetype pos = 0; pos < bytes.size();) {
        const qsizetype width = widthAt(bytes, pos);
        if (width == 4) {
            text += gbk.decode(view.sliced(runStart, pos - runStart));
            text += decodeFourBytes(view.sliced(pos, 4));
            runStart = pos + 4;
        }
        pos += width;
    }
    if (runStart == 0) return gbk.decode(view);
    text += gbk.decode(view.sliced(runStart));
    return text;
}

QByteArray encode(const QString& text) {
    QStringEncoder& gbk = converters().gbkEncoder;
    if (!gbk.isValid()) return text.toLatin1();
    QByteArray bytes = gbk.encode(text);
    if (decode(bytes) == text) return bytes;
    // Some character GBK does not hold: character by character, so that the rest keeps its bytes.
    bytes.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2
                                                                                             : 1;
        bytes += encodeCharacter(QStringView(text).sliced(i, n));
        i += n;
    }
    return bytes;
}

qsizetype boundaryAtOrBefore(const QByteArray& bytes, qsizetype limit) {
    if (limit >= bytes.size()) return bytes.size();
    qsizetype pos = 0;
    while (pos < limit) {
        const qsizetype width = widthAt(bytes, pos);
        if (pos + width > limit) break;
        pos += width;
    }
    return pos;
}

} // namespace GbkCodec
