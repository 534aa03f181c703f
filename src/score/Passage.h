#pragma once
// A passage of the loaded score chosen to be played over and over: its first and its last row.
#include <QtGlobal>

struct Passage {
    qint32 firstRow = 0;
    qint32 lastRow = 0;

    bool contains(qint32 row) const { return row >= firstRow && row <= lastRow; }
    bool operator==(const Passage&) const = default;
};
