#include "score/BeatJudge.h"

#include <algorithm>
#include <limits>

namespace {
constexpr qint64 kNoStrike = std::numeric_limits<qint64>::max();
} // namespace

BeatJudge::BeatJudge(int speedPercent)
    : window_(qint64(kWindowMs) * 100 / std::max(speedPercent, 1)), inTime_(window_ / 3) {}

bool BeatJudge::inWindow(qint64 at, qint64 onset) const {
    return at >= onset - window_ && at <= onset + window_;
}

void BeatJudge::noteDue(qint32 row, int key, qint64 onsetMs) {
    Note note{row, key, onsetMs, 0, false, kNoStrike};
    // The first waiting strike of its key claims it: the player was early.
    const auto early = std::find_if(pending_.begin(), pending_.end(), [&](const Strike& s) {
        return s.key == key && inWindow(s.at, onsetMs);
    });
    if (early != pending_.end()) {
        note.struck = true;
        note.struckAt = early->at;
        pending_.erase(early);
    }
    notes_.append(note);
}

void BeatJudge::strike(int key, qint64 atMs) {
    const auto note = std::find_if(notes_.begin(), notes_.end(), [&](const Note& n) {
        return !n.struck && n.key == key && inWindow(atMs, n.onset);
    });
    if (note == notes_.end()) {
        pending_.append({key, atMs});
        return;
    }
    note->struck = true;
    note->struckAt = atMs;
}

void BeatJudge::noteWrongStrike(const Strike& strike) {
    ++wrongStrikes_;
    for (Note& note : notes_)
        if (inWindow(strike.at, note.onset))
            note.firstWrongAt = std::min(note.firstWrongAt, strike.at);
}

QList<NoteMark> BeatJudge::settle(qint64 nowMs) {
    // A strike older than a window can belong to no note still to come.
    const auto expired = std::stable_partition(
        pending_.begin(), pending_.end(), [&](const Strike& s) { return s.at + window_ >= nowMs; });
    for (auto s = expired; s != pending_.end(); ++s)
        noteWrongStrike(*s);
    pending_.erase(expired, pending_.end());

    QList<NoteMark> decided;
    while (!notes_.isEmpty() && notes_.first().onset + window_ < nowMs)
        decided.append(decide(notes_.takeFirst()));
    return decided;
}

QList<NoteMark> BeatJudge::finish() {
    return settle(kNoStrike);
}

NoteMark BeatJudge::decide(const Note& note) const {
    qint64 firstWrong = note.firstWrongAt;
    // A strike of another key still waiting for its own note was a mistake at this one too.
    for (const Strike& s : pending_)
        if (s.key != note.key && inWindow(s.at, note.onset))
            firstWrong = std::min(firstWrong, s.at);

    NoteMark mark{note.row};
    if (!note.struck) {
        mark.result = firstWrong == kNoStrike ? NoteMark::Result::Missed : NoteMark::Result::Wrong;
        return mark;
    }
    mark.result = firstWrong < note.struckAt ? NoteMark::Result::RightAfterMistakes
                                             : NoteMark::Result::RightFirstTime;
    mark.offsetMs = note.struckAt - note.onset;
    mark.timing = std::abs(mark.offsetMs) <= inTime_ ? NoteMark::Timing::InTime
                  : mark.offsetMs < 0                ? NoteMark::Timing::Early
                                                     : NoteMark::Timing::Late;
    return mark;
}
