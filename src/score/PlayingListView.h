#pragma once
// The playing list as the end of a score reads it. An engine without a list sees an empty one.
#include <QString>

class PlayingListView {
public:
    virtual ~PlayingListView() = default;
    virtual int count() const = 0;
    virtual bool hasSelection() const = 0;
    // The position in the list of the entry now playing (intPlayingIndex); may lie outside it.
    virtual int intPlayingIndex() const = 0;
    // The entry (a path, possibly with a position suffix) at 0 <= index < count().
    virtual QString entry(int index) const = 0;
};
