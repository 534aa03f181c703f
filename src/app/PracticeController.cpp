#include "app/PracticeController.h"

#include "app/PianoKeyboard.h"
#include "core/MainMenus.h"
#include "core/StatusLine.h"
#include "keyboard/LiveKeyboard.h"
#include "keyboard/PointerGestures.h"
#include "score/PlaybackEngine.h"
#include "score/PracticeRunText.h"
#include "score/ScoreView.h"

PracticeController::PracticeController(Parts p, QObject* parent) : QObject(parent) {
    MenuItem* entry = p.menus.item(MenuEntry::PlayPractice);
    p.menus.makeToggle(MenuEntry::PlayPractice, this);
    // The settings load checks the entry too.
    PlaybackEngine& engine = p.engine;
    PointerGestures& pointer = p.pointer;
    connect(entry, &MenuItem::changed, this, [entry, &engine, &pointer] {
        engine.setPracticeMode(entry->checked());
        pointer.setPressesAlwaysSound(entry->checked());
    });
    connect(&p.live, &LiveKeyboard::noteStruck, &engine, &PlaybackEngine::keyStruck);
    connect(&engine, &PlaybackEngine::dueKeyChanged, &p.keyboard, &PianoKeyboard::setDueKey);
    connect(&engine, &PlaybackEngine::followingKeyChanged, &p.keyboard,
            &PianoKeyboard::setFollowingKey);
    connect(&engine, &PlaybackEngine::dueRowChanged, &p.scoreView, &ScoreView::setMarkedRow);
    connect(&engine, &PlaybackEngine::noteMarked, &p.scoreView, &ScoreView::setNoteMark);
    connect(&engine, &PlaybackEngine::noteMarksCleared, &p.scoreView, &ScoreView::clearNoteMarks);
    StatusLine& status = p.status;
    connect(&engine, &PlaybackEngine::practiceFinished, this,
            [&status](const PracticeRun& run) { status.tell(PracticeRunText::result(run)); });
}
