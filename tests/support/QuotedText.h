#pragma once
// Texts in the names of parameterised cases. GoogleTest names each case by what its PrintTo
// writes and CTest shows that name, so it must fit on one line, read well and be the same on
// every run.
#include <QByteArray>
#include <QString>
#include <cstdio>
#include <string>

// The text in double quotes, with quotes, backslashes and control characters escaped; a text
// that is not UTF-8 (GBK bytes) shows its bytes from 0x80 up as \xNN.
inline std::string quoted(const QByteArray& text) {
    const bool utf8 = QString::fromUtf8(text).toUtf8() == text;
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (c == '\t') {
            out += "\\t";
        } else if (byte < 0x20 || byte == 0x7F || (byte >= 0x80 && !utf8)) {
            char escaped[5];
            std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

inline std::string quoted(const char* text) {
    return quoted(QByteArray(text));
}

inline std::string quoted(const QString& text) {
    return quoted(text.toUtf8());
}
