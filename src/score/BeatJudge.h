#pragma once
// Practice in time ("按节拍"): the score goes on at its tempo and each note is judged by the
// player's strike of its key within a window around its onset, ±150 ms at the written speed
// (longer as the speed is lower). A strike within a third of the window is in time, before it
// early, after it late. A note nobody struck right within its window is wrong when another key
// was struck in it, else missed; a strike that no note claims is a wrong strike.
//
// Notes come in as the score reaches them, so a strike may come before the note it belongs to:
// it waits for one window. A note is decided once its window has closed: the caller settles as
// time goes on.
#include "score/NoteMark.h"

#include <QList>

class BeatJudge {
public:
    static constexpr int kWindowMs = 150;

    explicit BeatJudge(int speedPercent = 100);

    qint64 windowMs() const { return window_; }
    // The score reached the note of `row` at `onsetMs`.
    void noteDue(qint32 row, int key, qint64 onsetMs);
    void strike(int key, qint64 atMs);
    // The notes whose windows closed by `nowMs`, in score order.
    QList<NoteMark> settle(qint64 nowMs);
    // The end of the run: every note left is decided.
    QList<NoteMark> finish();
    int wrongStrikes() const { return wrongStrikes_; }

private:
    struct Note {
        qint32 row;
        int key;
        qint64 onset;
        qint64 struckAt;
        bool struck;
        // The first strike of another key in the window, if any came.
        qint64 firstWrongAt;
    };
    struct Strike {
        int key;
        qint64 at;
    };

    bool inWindow(qint64 at, qint64 onset) const;
    NoteMark decide(const Note& note) const;
    void noteWrongStrike(const Strike& strike);

    qint64 window_;
    qint64 inTime_;
    // Notes not decided yet, in onset order, and strikes no note has claimed yet.
    QList<Note> notes_;
    QList<Strike> pending_;
    int wrongStrikes_ = 0;
};
