#pragma once
// Carries the playing list from one run to the next: the playing-list file of the data folder and,
// under playing-list option 0, the index of the entry that played last in the settings file. The
// settings load and save call these at their places in the start-up and shutdown order.
#include "core/AppPaths.h"

class FileOpener;
class ListPair;
struct ProgramOptions;

class PlayingListStore {
public:
    PlayingListStore(const AppPaths& paths, ListPair& playingList, FileOpener& opener,
                     const ProgramOptions& options);

    // Appends the entries of the playing-list file; nothing is emptied and nothing opened.
    void restore();
    // Under option 0, opens the entry at the index the last run saved (its leading number), when
    // an index was saved and the list is not empty. An index outside the list opens an empty
    // entry, which reports the missing file.
    void resume();
    // Empties the list first under option 3, then writes it to the playing-list file; under
    // option 0 also the current index. False when a file could not be written.
    bool save();

    QString settingsPath() const;

private:
    AppPaths paths_;
    ListPair& playingList_;
    FileOpener& opener_;
    const ProgramOptions& options_;
};
