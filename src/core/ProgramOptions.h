#pragma once
// The options of the options dialog as the rest of the program reads them, with the values every
// start begins with until the user has applied options once.
#include <array>

struct ProgramOptions {
    int intTitleOption = 1;
    int intPlayListOption = 1;
    bool blnMouseFollow = true;
    bool blnOnlyRunOne = true;
    // 0: score files (.piano), 1: playlists (.plist)
    std::array<bool, 2> blnAssociate{true, true};
};
