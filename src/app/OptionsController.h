#pragma once
// Opens the options dialog from View ▸ 选项 and Help ▸ 关于, and lets it change the main window:
// the options, the key map, the caption, the transparency and the associations.
#include "settings/OptionsHost.h"

#include <QObject>

class MainMenus;
class MainWindowSettings;
class PlaybackEngine;
class QWidget;
struct AppServices;

class OptionsController : public QObject, public OptionsHost {
    Q_OBJECT
public:
    struct Parts {
        ProgramOptions& options;
        KeyMap& keyMap;
        const NoteTable& noteTable;
        const PlaybackEngine& engine;
        const MainMenus& menus;
        MainWindowSettings& windowSettings;
        const AppServices& services;
        QWidget& window; // owns this object and the dialog; its title is the caption
    };

    // Takes the window's caption at this moment as its designed caption.
    explicit OptionsController(Parts parts);

    void open(bool aboutRequested);

    ProgramOptions& options() override { return p_.options; }
    KeyMap& keyMap() override { return p_.keyMap; }
    const NoteTable& noteTable() const override { return p_.noteTable; }
    QString caption() const override;
    void setCaption(const QString& caption) override;
    QString designCaption() const override { return designCaption_; }
    QString playingFile() const override;
    void SetTransparency(qint16 percent) override;
    void applyAssociations(const std::array<bool, 2>& blnAssociate) override;

private:
    Parts p_;
    QString designCaption_;
};
