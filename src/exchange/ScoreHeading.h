#pragma once
// What a printed score says above its notes: a title, and the key, metre and tempo as numbered
// notation writes them ("1=G 3/4 ♩=100"); and the page number at the foot of every page.
#include "score/Score.h"

#include <QString>

struct ScoreHeading {
    QString title;
    QString keyLine;

    // The title is the score's first caption that is not blank, else the name of its file
    // without the extension. The key comes from the first key row; the metre as written in the
    // last metre row and the tempo of the last tempo row, which govern the whole score. A part
    // the score does not state is left out.
    static ScoreHeading of(const Score& score, const QString& filePath);

    // "第 2 页 / 共 5 页" for `page` 1 (counting from 0) of 5.
    static QString pageNumber(int page, int pageCount);
};
