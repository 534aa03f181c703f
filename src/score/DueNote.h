#pragma once
// The note a player practising is to strike next: its row and key, and whether the score already
// waits at it or still plays what comes before it (the note struck last, a rest, silent rows).
#include "score/Passage.h"
#include "score/ScoreRow.h"

#include <QList>
#include <optional>

struct DueNote {
    qint32 row = -1;
    int key = -1;
    bool waiting = false;

    // The first note row after `row`, not yet waited at; none when no note follows. Inside a
    // looped passage the passage's first note follows its last.
    static std::optional<DueNote> after(const QList<ScoreRow>& rows, qint32 row,
                                        const std::optional<Passage>& loop = std::nullopt);

    bool operator==(const DueNote&) const = default;
};
