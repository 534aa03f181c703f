#include "app/PracticeController.h"

#include "app/PianoKeyboard.h"
#include "core/MainMenus.h"
#include "keyboard/LiveKeyboard.h"
#include "keyboard/PointerGestures.h"
#include "score/PlaybackEngine.h"
#include "score/ScoreView.h"

PracticeController::PracticeController(const MainMenus& menus, PlaybackEngine& engine,
                                       const LiveKeyboard& live, PointerGestures& pointer,
                                       PianoKeyboard& keyboard, ScoreView& scoreView,
                                       QObject* parent)
    : QObject(parent) {
    MenuItem* entry = menus.item(MenuEntry::PlayPractice);
    menus.makeToggle(MenuEntry::PlayPractice, this);
    // The settings load checks the entry too.
    connect(entry, &MenuItem::changed, this, [entry, &engine, &pointer] {
        engine.setPracticeMode(entry->checked());
        pointer.setPressesAlwaysSound(entry->checked());
    });
    connect(&live, &LiveKeyboard::noteStruck, &engine, &PlaybackEngine::keyStruck);
    connect(&engine, &PlaybackEngine::dueKeyChanged, &keyboard, &PianoKeyboard::setDueKey);
    connect(&engine, &PlaybackEngine::dueRowChanged, &scoreView, &ScoreView::setMarkedRow);
}
