#include "app/FeatureObjects.h"

FeatureObjects::FeatureObjects(const AppServices& services)
    : midi(services.midi, services.messages), sound(midi), live(sound), commandKeys(live),
      computerKeys(live, commandKeys, keyMap, options),
      pointer(live, [this] { return transport.PlayState() == Transport::Playing; }),
      recorder(noteTable, services.time, services.messages, services.fileDialogs),
      engine(noteTable, sound, live, services.time, services.messages),
      opener(engine, playingList, recentFiles, options, services.messages),
      transport(engine, menus), practiceRecord(PracticeRecord::path(services.paths)) {
    engine.setPlayingList(&opener);
    transport.setPlayingList(&opener);
}
