#include "app/FileFormatWiring.h"

#include "app/AppServices.h"
#include "core/FileTypes.h"
#include "core/MainMenus.h"
#include "exchange/MidiConversion.h"
#include "exchange/MidiExportFormat.h"
#include "exchange/MusicXmlConversion.h"
#include "library/FileOpener.h"
#include "score/Recorder.h"

FileFormatWiring::FileFormatWiring(Parts parts)
    : QObject(&parts.window), choice_(&parts.window),
      midi_(parts.services.paths, parts.services.messages, choice_,
            MidiConversion::playingFormat(parts.noteTable)),
      musicXml_(parts.services.paths, parts.services.messages, choice_,
                MusicXmlConversion::playingFormat(parts.noteTable)),
      midiExport_(parts.engine, parts.services.fileDialogs, parts.services.messages,
                  MidiExportFormat::of(parts.engine, parts.sound)),
      recordingWriter_(parts.noteTable) {
    parts.opener.addImport(
        {IsMidiFile, [this](const QString& path) { return midi_.importForPlaying(path); }});
    parts.opener.addImport(
        {IsMusicXmlFile, [this](const QString& path) { return musicXml_.importForPlaying(path); }});
    parts.recorder.setOtherFormat(&recordingWriter_);
    connect(parts.menus.item(MenuEntry::FileExportMidi), &MenuItem::triggered, this,
            [this] { midiExport_.exportLoaded(); });
}
