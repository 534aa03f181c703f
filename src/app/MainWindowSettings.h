#pragma once
// The main window's settings and window behaviour: the settings file at load and shutdown, the
// volume slider and mute button of the control bar with the Volume menu, the topmost entries,
// moving the window by its background and bars, transparency and the Help menu.
#include "settings/FileAssociations.h"
#include "settings/MainWindowFrame.h"
#include "settings/ProgramSettings.h"
#include "settings/VolumeCommands.h"
#include "settings/VolumeControls.h"

#include <QObject>
#include <functional>

class BottomContainer;
class ButtonEx;
class QMainWindow;
class Volume;
struct AppServices;

class MainWindowSettings : public QObject, public MainWindowFrame, public VolumeControls {
    Q_OBJECT
public:
    // Moves the window with the mouse; the platform's system move unless replaced.
    using DragHandler = std::function<void(QWidget* window)>;

    // What the settings and the window behaviour reach; everything must outlive this object.
    struct Parts {
        const AppServices& services;
        ProgramOptions& options;
        const NoteTable& noteTable;
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
        QMainWindow& window; // owns this object
        BottomContainer& container;
    };

    // The window must have its bars and lists in place.
    explicit MainWindowSettings(Parts parts);

    void LoadSettings();
    // Only after a LoadSettings: a window that never loaded has nothing of its own to keep.
    void SaveSettings(bool blnMinimized);

    ProgramSettings& settings() { return settings_; }
    FileAssociations& associations() { return associations_; }
    VolumeCommands& volumeCommands() { return volumeCommands_; }
    ::Volume* volSystemVolume() const { return volSystemVolume_; }
    ButtonEx* btnMute() const { return btnMute_; }
    void setDragHandler(DragHandler handler) { drag_ = std::move(handler); }

    // MainWindowFrame
    QRect geometryTwips() const override;
    void setGeometryTwips(const QRect& twips) override;
    QRect screenTwips() const override;
    void setBarVisible(int bar, bool visible) override;
    void SetTopmost(bool on) override;
    void SetTransparency(int percent) override;

    // VolumeControls
    int Volume() const override;
    void setVolume(int volume) override;
    void setSliderEnabled(bool on) override;
    int muteValue() const override;
    void setMuteValue(int value) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createVolumeControls();
    void wireTopmostMenu();
    void wireHelpMenu();
    void showHelp();
    ProgramSettings::Parts settingsParts();

    Parts p_;
    ::Volume* volSystemVolume_ = nullptr;
    ButtonEx* btnMute_ = nullptr;
    VolumeCommands volumeCommands_;
    FileAssociations associations_;
    ProgramSettings settings_;
    DragHandler drag_;
    bool loaded_ = false;
};
