#include "app/ScoreExportWiring.h"

#include "app/AppServices.h"
#include "core/MainMenus.h"
#include "exchange/AudioExportFormat.h"
#include "exchange/MusicXmlConversion.h"
#include "keyboard/KeyMap.h"
#include "score/PlaybackEngine.h"

ScoreExportWiring::ScoreExportWiring(Parts parts)
    : QObject(&parts.window),
      printing_(parts.engine.score(), [&keyMap = parts.keyMap](int key) { return keyMap.strKeyName(key); },
                printDialogs_, parts.services.fileDialogs, parts.services.messages),
      musicXml_(parts.engine, parts.services.fileDialogs, parts.services.messages,
                MusicXmlConversion::exportFormat(parts.engine, parts.sound)) {
    printDialogs_.setOwner(&parts.window);
    const MainMenus& menus = parts.menus;
    connect(menus.item(MenuEntry::FilePrint), &MenuItem::triggered, this,
            [this] { printing_.printLoaded(); });
    connect(menus.item(MenuEntry::FileExportPdf), &MenuItem::triggered, this,
            [this] { printing_.exportLoadedAsPdf(); });
    connect(menus.item(MenuEntry::FileExportMusicXml), &MenuItem::triggered, this,
            [this] { musicXml_.exportLoaded(); });
    MenuItem* audioEntry = menus.item(MenuEntry::FileExportAudio);
    if (!parts.services.audioRenderer) {
        audioEntry->setVisible(false);
        return;
    }
    audio_.emplace(parts.engine, parts.services.fileDialogs, parts.services.messages,
                   AudioExportFormat::of(parts.engine, parts.sound, *parts.services.audioRenderer));
    connect(audioEntry, &MenuItem::triggered, this, [this] { audio_->exportLoaded(); });
}
