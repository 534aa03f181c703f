#pragma once
// The loaded score on paper, as a PDF, as an audio file and as MusicXML: File ▸ "打印(&T)...",
// "导出为 PDF(&D)...", "导出为音频(&V)..." and "导出为 MusicXML(&L)...".
#include "exchange/QtPrintDialogs.h"
#include "exchange/ScoreExportCommand.h"
#include "exchange/ScorePrintCommands.h"

#include <QObject>
#include <QWidget>
#include <optional>

class KeyMap;
class MainMenus;
class PlaybackEngine;
class SoundSettings;
struct AppServices;

class ScoreExportWiring : public QObject {
    Q_OBJECT
public:
    struct Parts {
        const PlaybackEngine& engine;
        const KeyMap& keyMap;
        const SoundSettings& sound;
        const MainMenus& menus;
        const AppServices& services;
        QWidget& window; // owns this object and the print dialogs
    };

    explicit ScoreExportWiring(Parts parts);

private:
    QtPrintDialogs printDialogs_;
    ScorePrintCommands printing_;
    std::optional<ScoreExportCommand> audio_;
    ScoreExportCommand musicXml_;
};
