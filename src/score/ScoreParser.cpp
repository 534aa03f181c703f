#include "score/ScoreParser.h"

#include "core/NumberText.h"
#include "score/ScoreText.h"

#include <QHash>
#include <algorithm>
#include <limits>

namespace ScoreParser {
namespace {

using NumberText::leadingNumber;
using NumberText::roundToInt16;

// Name -> key; where names repeat, the highest key wins. An empty name (a key missing from the
// note map) names nothing, so that a row of blanks never sounds such a key.
QHash<QString, qint16> keysByName(const NoteTable& notes) {
    QHash<QString, qint16> keys;
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        if (const QString name = notes.strNoteName(i); !name.isEmpty()) keys.insert(name, qint16(i));
    return keys;
}

} // namespace

void parse(QStringView text, const NoteTable& notes, ScoreWideValues& wide, Score& score) {
    const QHash<QString, qint16> keys = keysByName(notes);
    qint32 i = 0;
    float maxCode = -std::numeric_limits<float>::max();
    score.rows.reserve(text.count(u"\r\n") + 1);
    ScoreText::forEachRow(text, [&](QStringView rowText) {
        ScoreRow row;
        if (!rowText.isEmpty() && rowText.front() != u'\'') {
            const ScoreText::RowParts parts = ScoreText::split(rowText);
            row.NoteText = ScoreText::withoutTrailingBlanks(parts.token).toString();
            row.DurationCode = parts.hasDuration
                                   ? NumberText::toSingle(leadingNumber(parts.durationText))
                                   : -1.0f;
            // A row that starts with "+" has an empty token.
            const QStringView afterMark = parts.token.isEmpty() ? QStringView() : parts.token.sliced(1);
            switch (rowText.front().unicode()) {
            case u'%': score.InstrumentChanges.append(roundToInt16(leadingNumber(afterMark)), i); break;
            case u'!': score.KeyChanges.append(qint16(PitchValue(afterMark.toString())), i); break;
            case u'?': {
                const qsizetype slash = parts.token.lastIndexOf(u'/');
                wide.BeatUnit = roundToInt16(
                    leadingNumber(slash < 0 ? parts.token : parts.token.sliced(slash + 1)));
                break;
            }
            case u'$': wide.TempoBpm = roundToInt16(leadingNumber(afterMark)); break;
            case u'#': score.CaptionChanges.append(afterMark.toString(), i); break;
            default:
                if (const auto key = keys.constFind(row.NoteText); key != keys.cend())
                    row.KeyIndex = key.value();
                else if (row.NoteText == u"0")
                    row.KeyIndex = ScoreRow::kRest;
            }
        }
        maxCode = std::max(maxCode, row.DurationCode);
        score.rows.append(std::move(row));
        ++i;
    });
    score.MaxDurationCode = maxCode;
}

} // namespace ScoreParser
