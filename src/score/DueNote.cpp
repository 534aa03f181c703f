#include "score/DueNote.h"

#include <algorithm>

std::optional<DueNote> DueNote::after(const QList<ScoreRow>& rows, qint32 row) {
    const auto from = rows.cbegin() + std::clamp<qsizetype>(qsizetype(row) + 1, 0, rows.size());
    const auto note = std::find_if(from, rows.cend(), [](const ScoreRow& r) { return r.isNote(); });
    if (note == rows.cend()) return std::nullopt;
    return DueNote{qint32(note - rows.cbegin()), note->KeyIndex, false};
}
