#include "app/PracticeMenus.h"

#include "core/MainMenus.h"
#include "score/PlaybackEngine.h"
#include "score/ScoreView.h"

PracticeMenus::PracticeMenus(const MainMenus& menus, PlaybackEngine& engine, ScoreView& scoreView,
                             QObject* parent)
    : QObject(parent), menus_(menus), engine_(engine), scoreView_(scoreView) {
    menus.makeChoice(MainMenus::kSpeeds, this, [](int) {});
    // The settings load checks a speed too.
    for (std::size_t i = 0; i < MainMenus::kSpeeds.size(); ++i) {
        const MenuItem* entry = menus.item(MainMenus::kSpeeds[i]);
        const int percent = MainMenus::kSpeedPercents[i];
        connect(entry, &MenuItem::changed, this, [this, entry, percent] {
            if (!entry->checked()) return;
            engine_.setSpeedPercent(percent);
            scoreView_.setSpeedPercent(percent);
        });
    }

    MenuItem* loop = menus.item(MenuEntry::PlayLoopPassage);
    menus.makeToggle(MenuEntry::PlayLoopPassage, this);
    loop->setEnabled(false);
    connect(loop, &MenuItem::changed, this, &PracticeMenus::followLoop);
    connect(&scoreView, &ScoreView::passageChanged, this, [this, loop] {
        loop->setEnabled(scoreView_.passage().has_value());
        // Without a passage there is nothing to repeat; one chosen anew while the entry is
        // checked is repeated at once.
        if (!scoreView_.passage()) loop->setChecked(false);
        followLoop();
    });

    menus.makeChoice(MainMenus::kPracticeWays, this, [](int) {});
    for (std::size_t i = 0; i < MainMenus::kPracticeWays.size(); ++i) {
        const MenuItem* entry = menus.item(MainMenus::kPracticeWays[i]);
        const auto way = PracticeRun::Way(i);
        connect(entry, &MenuItem::changed, this, [this, entry, way] {
            if (entry->checked()) engine_.setPracticeWay(way);
        });
    }
}

void PracticeMenus::followLoop() {
    const bool on = menus_.item(MenuEntry::PlayLoopPassage)->checked();
    engine_.setLoop(on ? scoreView_.passage() : std::nullopt);
}
