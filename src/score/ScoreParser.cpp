#include "score/ScoreParser.h"

#include "core/NumberText.h"
#include "score/ScoreText.h"

#include <algorithm>
#include <array>
#include <limits>
#include <string_view>
#include <unordered_map>

namespace ScoreParser {
namespace {

using NumberText::leadingNumber;
using NumberText::roundToInt16;

// QString keeps UTF-16 in char16_t storage: a view of it needs no copy.
std::u16string_view viewOf(QStringView text) {
    return {reinterpret_cast<const char16_t*>(text.utf16()), size_t(text.size())};
}

// The note names by text; where names repeat, the highest key wins. An empty name (a key missing
// from the note map) names nothing, so that a row of blanks never sounds such a key. A row that
// names a key shares that key's name instead of holding a copy of its own, which keeps a long
// score small.
class NoteNames {
public:
    explicit NoteNames(const NoteTable& notes) {
        for (int i = 0; i < NoteTable::kKeyCount; ++i) {
            names_[i] = notes.strNoteName(i);
            if (!names_[i].isEmpty()) keys_[viewOf(names_[i])] = qint16(i);
        }
    }
    // The key named `text`, or -1.
    qint16 keyOf(QStringView text) const {
        const auto found = keys_.find(viewOf(text));
        return found == keys_.end() ? qint16(-1) : found->second;
    }
    const QString& name(qint16 key) const { return names_[key]; }

private:
    std::array<QString, NoteTable::kKeyCount> names_;
    std::unordered_map<std::u16string_view, qint16> keys_;
};

} // namespace

void parse(QStringView text, const NoteTable& notes, ScoreWideValues& wide, Score& score) {
    const NoteNames names(notes);
    qint32 i = 0;
    float maxCode = -std::numeric_limits<float>::max();
    score.rows.reserve(text.count(u"\r\n") + 1);
    ScoreText::forEachRow(text, [&](QStringView rowText) {
        ScoreRow row;
        if (!rowText.isEmpty() && rowText.front() != u'\'') {
            const ScoreText::RowParts parts = ScoreText::split(rowText);
            const QStringView noteText = ScoreText::withoutTrailingBlanks(parts.token);
            row.DurationCode =
                parts.hasDuration ? NumberText::toSingle(leadingNumber(parts.durationText)) : -1.0f;
            // A row that starts with "+" has an empty token.
            const QStringView afterMark =
                parts.token.isEmpty() ? QStringView() : parts.token.sliced(1);
            switch (rowText.front().unicode()) {
            case u'%':
                score.InstrumentChanges.append(roundToInt16(leadingNumber(afterMark)), i);
                break;
            case u'!':
                score.KeyChanges.append(qint16(PitchValue(afterMark.toString())), i);
                break;
            case u'?':
                wide.BeatUnit = roundToInt16(leadingNumber(ScoreText::headerNumberText(parts.token)));
                break;
            case u'$':
                wide.TempoBpm = roundToInt16(leadingNumber(afterMark));
                break;
            case u'#':
                score.CaptionChanges.append(afterMark.toString(), i);
                break;
            default:
                row.KeyIndex = names.keyOf(noteText);
                if (row.KeyIndex < 0)
                    row.KeyIndex = noteText == u"0" ? ScoreRow::kRest : ScoreRow::kSilent;
            }
            row.NoteText = row.isNote() ? names.name(row.KeyIndex) : noteText.toString();
        }
        maxCode = std::max(maxCode, row.DurationCode);
        score.rows.append(std::move(row));
        ++i;
    });
    score.MaxDurationCode = maxCode;
}

} // namespace ScoreParser
