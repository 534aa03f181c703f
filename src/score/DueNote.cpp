#include "score/DueNote.h"

#include <algorithm>

std::optional<DueNote> DueNote::after(const QList<ScoreRow>& rows, qint32 row,
                                      const std::optional<Passage>& loop) {
    const auto at = [&rows](qint32 r) {
        return rows.cbegin() + std::clamp<qsizetype>(qsizetype(r), 0, rows.size());
    };
    const auto firstNote = [](auto from, auto to) {
        return std::find_if(from, to, [](const ScoreRow& r) { return r.isNote(); });
    };
    const bool inLoop = loop && loop->contains(row);
    const auto end = inLoop ? at(loop->lastRow + 1) : rows.cend();
    auto note = firstNote(at(row + 1), end);
    if (note == end && inLoop) note = firstNote(at(loop->firstRow), at(row + 1));
    if (note == end || note == rows.cend()) return std::nullopt;
    return DueNote{qint32(note - rows.cbegin()), note->KeyIndex, false};
}
