#include "app/PracticeController.h"

#include "app/PianoKeyboard.h"
#include "app/frmMain.h"
#include "score/ScoreView.h"

PracticeController::PracticeController(frmMain& main) : QObject(&main) {
    MenuItem* entry = main.menus().mnuPractice;
    PlaybackEngine& engine = main.engine();
    LiveKeyboard& live = main.liveKeyboard();
    connect(entry, &MenuItem::triggered, this, [entry] { entry->setChecked(!entry->checked()); });
    // The settings load checks the entry too.
    connect(entry, &MenuItem::changed, this, [entry, &engine, &live] {
        engine.setPracticeMode(entry->checked());
        live.setPressesAlwaysSound(entry->checked());
    });
    connect(&live, &LiveKeyboard::noteStruck, &engine, &PlaybackEngine::keyStruck);
    connect(&engine, &PlaybackEngine::dueKeyChanged, main.keyboard(), &PianoKeyboard::setDueKey);
    connect(&engine, &PlaybackEngine::dueRowChanged, main.scoreView(), &ScoreView::setMarkedRow);
}
