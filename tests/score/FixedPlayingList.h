#pragma once
// A playing list of numbered entries "entry<i>.piano" with a given selection and playing index.
#include "score/PlayingListView.h"

class FixedPlayingList : public PlayingListView {
public:
    FixedPlayingList(int count, bool selected, int playing)
        : count_(count), selected_(selected), playing_(playing) {}
    int count() const override { return count_; }
    bool hasSelection() const override { return selected_; }
    int intPlayingIndex() const override { return playing_; }
    QString entry(int index) const override { return QStringLiteral("entry%1.piano").arg(index); }
    void setPlaying(int index) { playing_ = index; }

private:
    int count_;
    bool selected_;
    int playing_;
};
