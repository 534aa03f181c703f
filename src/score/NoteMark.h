#pragma once
// How one note went in practice, as the score bar marks it and a run's figures count it.
#include <QtGlobal>

struct NoteMark {
    enum class Result : quint8 { RightFirstTime, RightAfterMistakes, Wrong, Missed };
    // Practising in time: where the right strike fell against the note's onset.
    enum class Timing : quint8 { None, InTime, Early, Late };

    qint32 row = 0;
    Result result = Result::Missed;
    Timing timing = Timing::None;
    // Practising in time, a note struck right: strike minus onset.
    qint64 offsetMs = 0;

    bool struckRight() const {
        return result == Result::RightFirstTime || result == Result::RightAfterMistakes;
    }
    bool operator==(const NoteMark&) const = default;
};
