#pragma once
// The duration codes an imported score is written in, measured as the playback engine plays
// them: how many slots of the play timer a row of each code lasts, under the score's tick code
// and interval. The usual codes (whole note to 64th, dotted, triplets) where they fit; exact
// codes elsewhere.
#include <QList>
#include <QString>
#include <optional>

class RowCodes {
public:
    struct Code {
        QString text;     // as written after "+"
        qint64 slotCount; // of the play timer that a note or rest row of this code lasts
    };

    // `tickCode`: the largest code of the score; `interval`: the play timer's interval it gives.
    RowCodes(float tickCode, qint32 interval);

    // The usual code whose row lasts nearest to `wanted` slots, when off by at most `tolerance`.
    std::optional<Code> usual(double wanted, double tolerance) const;
    // The longest of the breve, whole note, half ... 64th that lasts at most `most` slots.
    std::optional<Code> plainAtMost(double most) const;
    // A code whose row lasts `wanted` slots, at least 2 (the shortest any code gives), or as near
    // as single precision comes.
    Code exact(qint64 wanted) const;
    qint64 slotsOf(const QString& text) const;

    // `value` with at least one and at most `decimals` decimals: 4.0, 2.667, 0.2739.
    static QString format(double value, int decimals);

private:
    float tickCode_;
    qint32 interval_;
    QList<Code> usual_;
    QList<Code> plain_; // longest first
};
