#pragma once
// The drawing of a score in numbered notation, one laid-out line at a time: digits with their
// octave dots and sharps, underlines, dashes and dots, bar lines, the check's marks, the computer
// key under each note and the captions as lyrics. The score bar and the printed page both draw
// through it, so that paper shows exactly what the bar shows.
#include "score/NoteMark.h"
#include "score/ScoreNotation.h"
#include "score/ScoreViewLayout.h"

#include <QFont>
#include <QHash>
#include <functional>

class QPainter;

class ScorePainter {
public:
    // The computer key that plays piano key 0..87 under the current map ("" for none).
    using KeyNameSource = std::function<QString(int key)>;

    // Items drawn apart from the others (positions in the notation's items; -1 for none).
    struct Highlights {
        // The item being played: a filled background.
        qsizetype played = -1;
        // The item practice waits at: a frame.
        qsizetype marked = -1;
        // The passage chosen to loop, first to last item: a band under them.
        qsizetype bandFirst = -1;
        qsizetype bandLast = -1;
        // How the notes went in practice, by row; none drawn without.
        const QHash<qint32, NoteMark>* noteMarks = nullptr;
    };

    // Without `keyNames` no key stands under the notes. All four must outlive the painter.
    ScorePainter(const ScoreNotation& notation, const ScoreViewLayout& layout,
                 const KeyNameSource& keyNames, const QFont& font);

    // Draws `line` with its top at `top`; the painter's x is the layout's.
    void drawLine(QPainter& painter, int line, int top, const Highlights& highlights) const;

private:
    void drawHighlights(QPainter& painter, qsizetype index, int top,
                        const Highlights& highlights) const;
    void drawSymbol(QPainter& painter, qsizetype index, int top) const;
    void drawNoteMark(QPainter& painter, qsizetype index, int top, const NoteMark& mark) const;
    void drawKeyName(QPainter& painter, qsizetype index, int top) const;
    void drawLyric(QPainter& painter, qsizetype index, int line, int top) const;
    // The width of an item's digit and dashes, without its bar line.
    int bodyWidth(const NotationItem& item) const;

    const ScoreNotation& notation_;
    const ScoreViewLayout& layout_;
    const KeyNameSource& keyNames_;
    QFont digitFont_;
    QFont sharpFont_;
    QFont keyFont_;
    QFont lyricFont_;
};
