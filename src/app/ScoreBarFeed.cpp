#include "app/ScoreBarFeed.h"

#include "score/PlaybackEngine.h"
#include "score/ScoreCheck.h"
#include "score/ScoreView.h"

#include <QEvent>
#include <QWidget>

ScoreBarFeed::ScoreBarFeed(const PlaybackEngine& engine, const NoteTable& notes, QWidget& bar,
                           ScoreView& view, QObject* parent)
    : QObject(parent), engine_(engine), notes_(notes), bar_(bar), view_(view) {
    connect(&engine_, &PlaybackEngine::scoreLoaded, this, &ScoreBarFeed::scoreLoaded);
    bar_.installEventFilter(this);
}

void ScoreBarFeed::clear() {
    stale_ = false;
    view_.setNotation({});
}

void ScoreBarFeed::scoreLoaded() {
    if (!bar_.isHidden()) return build();
    // The score before is of no use any more, and would hold its memory.
    clear();
    stale_ = true;
}

void ScoreBarFeed::build() {
    stale_ = false;
    const Score& score = engine_.score();
    view_.setNotation(ScoreNotation(score, ScoreCheck::checkLoaded(score, notes_)));
}

// The bar is shown by the View menu or by the settings load, whether or not the window is.
bool ScoreBarFeed::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &bar_ && event->type() == QEvent::ShowToParent && stale_) build();
    return QObject::eventFilter(watched, event);
}
