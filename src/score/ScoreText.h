#pragma once
// The text layer of a score file: bytes to text, text to rows, a row to its token and duration.
#include <QByteArray>
#include <QString>
#include <QStringView>
#include <functional>

namespace ScoreText {

// GBK, except that a file starting with the UTF-8 byte-order mark is read as UTF-8 (scores are
// also written by hand in editors that save UTF-8). Invalid bytes become U+FFFD.
QString decode(const QByteArray& bytes);

// Calls `row` for every row, cut at CR LF and nowhere else: n CR LF give n + 1 rows, so a text
// that ends with CR LF has a last, empty row. The views point into `text`.
void forEachRow(QStringView text, const std::function<void(QStringView)>& row);

// One row cut at "+": the token before the first "+", and the text between the first and the
// second "+" when the row has a "+" at all.
struct RowParts {
    QStringView token;
    QStringView durationText;
    bool hasDuration = false;
};
RowParts split(QStringView row);

// The text a header row's number is read from: after the last "/" of a metre row ("?3/4"), the
// whole token when it has none; after the first character of any other row.
QStringView headerNumberText(QStringView token);

// The token without trailing blanks (leading ones stay).
QStringView withoutTrailingBlanks(QStringView token);

} // namespace ScoreText
