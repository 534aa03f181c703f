#pragma once
// The feature objects of the main window, made in the order of the start-up and torn down in the
// reverse order. The window wires them to its widgets and controllers, each of which receives
// the objects it uses; the tests reach them through frmMain::features().
#include "app/AppServices.h"
#include "core/MMidiOut.h"
#include "core/MainMenus.h"
#include "core/NoteTable.h"
#include "core/ProgramOptions.h"
#include "core/SoundSettings.h"
#include "core/StatusLine.h"
#include "keyboard/CommandKeys.h"
#include "keyboard/ComputerKeys.h"
#include "keyboard/KeyMap.h"
#include "keyboard/LiveKeyboard.h"
#include "keyboard/PointerGestures.h"
#include "library/FileOpener.h"
#include "library/ListPair.h"
#include "library/RecentFiles.h"
#include "score/PlaybackEngine.h"
#include "score/PracticeRecord.h"
#include "score/Recorder.h"
#include "score/Transport.h"

struct FeatureObjects {
    explicit FeatureObjects(const AppServices& services);
    FeatureObjects(const FeatureObjects&) = delete;
    FeatureObjects& operator=(const FeatureObjects&) = delete;

    ProgramOptions options;
    StatusLine status;
    NoteTable noteTable;
    MMidiOut midi;
    SoundSettings sound;
    MainMenus menus;
    KeyMap keyMap;
    LiveKeyboard live;
    CommandKeys commandKeys;
    ComputerKeys computerKeys;
    PointerGestures pointer;
    Recorder recorder;
    PlaybackEngine engine;
    ListPair playingList;
    ListPair favorites;
    RecentFiles recentFiles;
    FileOpener opener;
    Transport transport;
    // Keeps every finished practice run; the engine's end of a run goes to its add().
    PracticeRecord practiceRecord;
};
