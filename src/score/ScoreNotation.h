#pragma once
// A loaded score as numbered notation: one item per note and rest (and per silent row the check
// flags), with lengths, octave dots, bar lines, the captions as lyrics and the check's reasons.
#include "score/NotationItem.h"
#include "score/Score.h"
#include "score/ScoreFinding.h"

#include <QHash>
#include <QList>
#include <QStringList>

class ScoreNotation {
public:
    ScoreNotation() = default;
    // `findings` are those of the same score; score-wide ones sit on row 0.
    ScoreNotation(const Score& score, const QList<ScoreFinding>& findings);

    // Underlines, dashes and dot of duration code `code`; a code of 0 or less (one tick) has
    // none.
    static NotationItem marksOf(float code);
    // Degree, sharp and octave dots of a note name such as "1.", ".5" or "b3. / #2.".
    static NotationItem pitchOf(const QString& noteName);

    const QList<NotationItem>& items() const { return items_; }
    const QStringList& captions() const { return captions_; }
    // The reasons found on `row`, one a line; "" when none.
    QString reasons(qint32 row) const { return reasons_.value(row); }
    // The item of `row` or, when the row has none, of the last row before it; -1 when none.
    qsizetype itemAtOrBefore(qint32 row) const;

private:
    void addBarLines(const Score& score);

    QList<NotationItem> items_;
    QStringList captions_;
    QHash<qint32, QString> reasons_;
};
