#include "score/ScoreNotation.h"

#include "core/NumberText.h"
#include "score/ScoreText.h"

#include <algorithm>
#include <cmath>

namespace {

bool near(double value, double target) {
    return std::abs(value - target) < 0.02 * target;
}

// The bar's length in whole notes from the last metre row ("?3/4" gives 3/4); 0 for none.
double barLength(const Score& score) {
    for (qint32 i = score.rowCount() - 1; i >= 0; --i) {
        const QString& text = score.rows[i].NoteText;
        if (!text.startsWith(u'?') || score.rows[i].isNote()) continue;
        const double beats = NumberText::leadingNumber(QStringView(text).sliced(1));
        const double unit = NumberText::leadingNumber(ScoreText::headerNumberText(text));
        return beats > 0 && unit > 0 && std::isfinite(beats / unit) ? beats / unit : 0;
    }
    return 0;
}

} // namespace

NotationItem ScoreNotation::marksOf(float code) {
    NotationItem marks;
    if (!(code > 0)) return marks;
    // In quarter notes, kept to what a line of notation can show.
    const double quarters = std::min(4.0 / double(code), 16.0);
    if (quarters > 0.98) {
        if (near(quarters, 1.5))
            marks.dotted = true;
        else
            marks.dashes = quint8(std::max(0L, std::lround(quarters) - 1));
        return marks;
    }
    for (int lines = 1; lines <= 6; ++lines) {
        const double written = quarters * (1 << lines);
        if (near(written, 1) || near(written, 1.5)) {
            marks.underlines = quint8(lines);
            marks.dotted = near(written, 1.5);
            return marks;
        }
    }
    // An irregular length (a triplet) gets the lines of the nearest plain one.
    marks.underlines = quint8(std::clamp(std::lround(-std::log2(quarters)), 1L, 6L));
    return marks;
}

NotationItem ScoreNotation::pitchOf(const QString& noteName) {
    NotationItem pitch;
    QStringView name(noteName);
    // A black key is printed with its sharp spelling, the second half of "b2 / #1".
    const qsizetype separator = name.indexOf(u" / ");
    if (separator >= 0) name = name.sliced(separator + 3);
    qsizetype i = 0;
    int below = 0;
    int above = 0;
    for (; i < name.size() && name[i] == u'.'; ++i)
        ++below;
    if (i < name.size() && (name[i] == u'#' || name[i] == u'b')) pitch.sharp = name[i++] == u'#';
    if (i < name.size()) pitch.degree = name[i++].unicode();
    for (; i < name.size() && name[i] == u'.'; ++i)
        ++above;
    pitch.octave = qint8(std::clamp(above - below, -9, 9));
    return pitch;
}

ScoreNotation::ScoreNotation(const Score& score, const QList<ScoreFinding>& findings) {
    for (const ScoreFinding& finding : findings) {
        QString& text = reasons_[finding.row];
        if (!text.isEmpty()) text += u'\n';
        text += finding.reason;
    }
    qint32 caption = -1;
    for (qint32 i = 0; i < score.rowCount(); ++i) {
        const ScoreRow& row = score.rows[i];
        const bool flagged = reasons_.contains(i);
        if (row.NoteText.startsWith(u'#') && !row.isNote()) {
            captions_.append(row.NoteText.sliced(1));
            caption = qint32(captions_.size() - 1);
        }
        NotationItem item;
        if (row.isNote()) {
            item = pitchOf(row.NoteText);
            item.kind = NotationItem::Note;
            item.key = row.KeyIndex;
        } else if (row.KeyIndex == ScoreRow::kRest) {
            item.kind = NotationItem::Rest;
            item.degree = u'0';
        } else if (!flagged) {
            continue;
        }
        const NotationItem marks =
            item.kind == NotationItem::Silent ? NotationItem() : marksOf(row.DurationCode);
        item.underlines = marks.underlines;
        item.dashes = marks.dashes;
        item.dotted = marks.dotted;
        item.row = i;
        item.flagged = flagged;
        item.caption = std::exchange(caption, -1);
        items_.append(item);
    }
    addBarLines(score);
}

void ScoreNotation::addBarLines(const Score& score) {
    const double bar = barLength(score);
    if (bar <= 0) return;
    // A row without a positive code lasts one tick, the length of the largest code.
    const double tick = score.MaxDurationCode > 0 ? 1.0 / double(score.MaxDurationCode) : 0;
    double filled = 0;
    for (NotationItem& item : items_) {
        if (item.kind == NotationItem::Silent) continue;
        const float code = score.rows[item.row].DurationCode;
        filled += code > 0 ? 1.0 / double(code) : tick;
        if (filled < bar * (1 - 1e-4)) continue;
        item.barAfter = true;
        filled = std::fmod(filled, bar);
        if (filled > bar * (1 - 1e-4)) filled = 0;
    }
}

qsizetype ScoreNotation::itemAtOrBefore(qint32 row) const {
    const auto after =
        std::partition_point(items_.cbegin(), items_.cend(),
                             [row](const NotationItem& item) { return item.row <= row; });
    return (after - items_.cbegin()) - 1;
}
