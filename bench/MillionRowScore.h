#pragma once
// A score of a million rows that looks like a long hand-written one: header rows, notes of every
// length (black keys, dotted and triplet codes), rests, blank rows and lyrics.
#include <QString>

constexpr int kMillionRows = 1'000'000;

inline QString millionRowScore() {
    static const char* const kCycle[] = {"3+8",        "5+8",          "6+4",  "1.+8",
                                         "b3 / #2+16", "2+2",          ".6+4", "0+4",
                                         "",           "#第一段 歌词", "5+1",  "..1+2.667"};
    QString text = QStringLiteral("%0\r\n!C\r\n?4/4\r\n$100\r\n");
    for (int i = 4; i < kMillionRows - 1; ++i)
        text += QString::fromUtf8(kCycle[i % 12]) + QStringLiteral("\r\n");
    return text;
}
