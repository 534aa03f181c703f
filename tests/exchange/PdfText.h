#pragma once
// What a PDF holds as text, read back with poppler's tools (Debian poppler-utils).
#include <QProcess>
#include <QRegularExpression>
#include <QStringList>
#include <gtest/gtest.h>

inline QString popplerOutput(const QString& tool, const QStringList& arguments) {
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(120000) || process.exitCode() != 0) {
        ADD_FAILURE() << tool.toStdString() << " failed (Debian package poppler-utils)";
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

// The text of every page, laid out as on the page: one line of text per printed line.
inline QString pdfText(const QString& path) {
    return popplerOutput(QStringLiteral("pdftotext"),
                         {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

inline int pdfPageCount(const QString& path) {
    const QRegularExpression pages(QStringLiteral("^Pages:\\s+(\\d+)"),
                                   QRegularExpression::MultilineOption);
    return pages.match(popplerOutput(QStringLiteral("pdfinfo"), {path})).captured(1).toInt();
}

// The digits of the lines that hold nothing but note digits, sharps and blanks, in reading
// order: the notes and rests as printed.
inline QString printedDegrees(const QString& text) {
    static const QRegularExpression noteLine(QStringLiteral("^[0-7# ]*[0-7][0-7# ]*$"));
    QString degrees;
    for (const QString& line : QString(text).replace(u'\f', u'\n').split(u'\n'))
        if (noteLine.match(line).hasMatch())
            for (QChar c : line)
                if (c.isDigit()) degrees += c;
    return degrees;
}
