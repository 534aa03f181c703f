#pragma once
// The settings file INI/程序设置.INI: LoadSettings, the last step of the main window's load,
// restores the window, the sound choices, the remembered menu checks, the volume, the lists and
// the options, and applies topmost, mute, bars, transparency and the file associations;
// SaveSettings, at shutdown, writes them back. A start without the file is a first start.
#include "core/AppPaths.h"
#include "core/MainMenus.h"
#include "core/NoteTable.h"
#include "core/SoundSettings.h"
#include "keyboard/KeyMap.h"
#include "library/FileOpener.h"
#include "library/ListPair.h"
#include "library/RecentFiles.h"
#include "score/PlaybackEngine.h"
#include "score/Transport.h"
#include "settings/FileAssociations.h"
#include "settings/MainWindowFrame.h"
#include "core/ProgramOptions.h"
#include "settings/VolumeCommands.h"
#include "settings/VolumeControls.h"

class FavoritesMenu;
struct OptionValues;

class ProgramSettings {
public:
    // The window size of a first start, in twips.
    static constexpr int kDesignedWidth = 13050;
    static constexpr int kDesignedHeight = 3250;
    static constexpr int kSampleScoreResource = 104;
    static inline const QString kSampleScore = QStringLiteral("Vellmor《虞美人》.piano");
    // What the settings reach; everything must outlive this object.
    struct Parts {
        AppPaths paths;
        ProgramOptions& options;
        const NoteTable& notes;
        KeyMap& keyMap;
        SoundSettings& sound;
        MainMenus& menus;
        RecentFiles& recentFiles;
        ListPair& playingList;
        ListPair& favorites;
        FavoritesMenu& favoritesMenu;
        FileOpener& opener;
        PlaybackEngine& engine;
        const Transport& transport;
        FileAssociations& associations;
        MainWindowFrame& window;
        VolumeControls& volume;
        VolumeCommands& volumeCommands;
    };

    explicit ProgramSettings(Parts parts);

    static QString settingsPath(const AppPaths& paths);

    void LoadSettings();
    // `blnMinimized`: the window is minimised now, so the designed size and a centred place are
    // stored instead of the minimised geometry.
    void SaveSettings(bool blnMinimized);

    // The transparency percent the last LoadSettings applied.
    int transparencyPercent() const { return transparencyPercent_; }

private:
    void loadWindowAndSound(const QString& path);
    void loadMenuChecks(const QString& path);
    void loadLists();
    void loadOptions(const OptionValues& stored);
    void applyFirstStart();
    void playSample();
    void followMenuChecks();
    void keepOneChoiceEach();
    void applyViewState();
    void reopenPlayingEntry(const QString& path);
    QRect firstStartGeometry() const;
    QRect minimisedGeometry() const;

    Parts p_;
    int transparencyPercent_ = 0;
};
