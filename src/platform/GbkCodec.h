#pragma once
// GBK (code page 936) text on disk, QString in memory. Every data file and score goes through here.
// Characters GBK cannot hold (file names on Linux are Unicode) travel as GB18030's four-byte
// sequences, so nothing is lost; every byte sequence GBK reads reads as it always did, and text
// GBK holds is written with the same bytes as ever.
#include <QByteArray>
#include <QString>

namespace GbkCodec {
// Invalid byte sequences become U+FFFD; a lead byte that ends the bytes is dropped, as ever.
QString decode(const QByteArray& bytes);
// Characters that neither GBK nor a four-byte sequence can hold become '?'.
QByteArray encode(const QString& text);
// Length in bytes of the longest prefix of `bytes` that is at most `limit` bytes long and does not
// end inside a character of two or four bytes.
qsizetype boundaryAtOrBefore(const QByteArray& bytes, qsizetype limit);
} // namespace GbkCodec
