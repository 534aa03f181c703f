#pragma once
// A row that the player reads differently from what its writer almost surely meant, and why.
#include <QString>

struct ScoreFinding {
    // The row as the player numbers it (from 0), and the line as a text editor counts it (from
    // 1; a bare LF or CR starts a new line there, though not a new row).
    qint32 row = 0;
    qint32 line = 1;
    QString reason;
};
