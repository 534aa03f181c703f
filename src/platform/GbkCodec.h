#pragma once
// GBK (code page 936) text on disk, QString in memory. Every data file and score goes through here.
#include <QByteArray>
#include <QString>

namespace GbkCodec {
// Invalid byte sequences become U+FFFD; nothing is ever dropped silently.
QString decode(const QByteArray& bytes);
// Characters that GBK cannot hold become '?'.
QByteArray encode(const QString& text);
// Length in bytes of the longest prefix of `bytes` that is at most `limit` bytes long and does not
// end inside a two-byte character.
qsizetype boundaryAtOrBefore(const QByteArray& bytes, qsizetype limit);
} // namespace GbkCodec
