#include "app/MidiFileWiring.h"

#include "app/AppServices.h"
#include "core/MainMenus.h"
#include "library/FileOpener.h"
#include "score/Recorder.h"

MidiFileWiring::MidiFileWiring(Parts parts)
    : QObject(&parts.window), picker_(&parts.window),
      opener_(parts.noteTable, parts.services.paths, parts.services.messages, picker_),
      export_(parts.engine, parts.sound, parts.services.fileDialogs, parts.services.messages),
      recordingWriter_(parts.noteTable) {
    parts.opener.setMidiOpener(&opener_);
    parts.recorder.setOtherFormat(&recordingWriter_);
    connect(parts.menus.item(MenuEntry::FileExportMidi), &MenuItem::triggered, this,
            [this] { export_.exportLoaded(); });
}
