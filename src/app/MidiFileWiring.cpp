#include "app/MidiFileWiring.h"

#include "app/frmMain.h"

MidiFileWiring::MidiFileWiring(frmMain& main)
    : QObject(&main), picker_(&main),
      opener_(main.noteTable(), main.services().paths, main.services().messages, picker_),
      export_(main.engine(), main.sound(), main.services().fileDialogs, main.services().messages) {
    main.opener().setMidiOpener(&opener_);
    connect(main.menus().mnuFileSubs(MainMenus::kFileExportMidi), &MenuItem::triggered, this,
            [this] { export_.exportLoaded(); });
}
