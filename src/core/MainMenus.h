#pragma once
// Every menu of the main window, built from the table in MenuEntries.h. Commands address an
// entry by its name; the groups below are the sets of entries that commands treat alike.
#include "core/MenuArray.h"
#include "core/MenuEntries.h"

#include <array>

class MainMenus : public QObject {
    Q_OBJECT
public:
    // The entries that act on the loaded score: enabled exactly while there is one.
    static constexpr std::array kNeedsScore{
        MenuEntry::FileClose,       MenuEntry::FileSaveAs,         MenuEntry::FileProperties,
        MenuEntry::FileExportMidi,  MenuEntry::FilePrint,          MenuEntry::FileExportPdf,
        MenuEntry::FileExportAudio, MenuEntry::FileExportMusicXml, MenuEntry::PlayPause,
        MenuEntry::PlayStop,        MenuEntry::PlayGoTo,           MenuEntry::ViewPracticeRecord};
    // Groups of which exactly one entry is checked, in the order of the values they choose.
    static constexpr std::array kListModes{MenuEntry::ListLoop, MenuEntry::ListRandom,
                                           MenuEntry::ListSequential, MenuEntry::ListSingle,
                                           MenuEntry::ListSingleLoop};
    static constexpr std::array kCompletionActions{
        MenuEntry::CompletedShutdown, MenuEntry::CompletedSleep, MenuEntry::CompletedExit,
        MenuEntry::CompletedNothing};
    static constexpr std::array kTopmostRules{MenuEntry::TopmostNever, MenuEntry::TopmostAlways,
                                              MenuEntry::TopmostWhilePlaying};
    static constexpr std::array kKeyLabelModes{
        MenuEntry::KeyLabelsComputerKeys, MenuEntry::KeyLabelsNoteNames, MenuEntry::KeyLabelsNone};
    // Play ▸ 速度, with the percentages they choose.
    static constexpr std::array kSpeeds{
        MenuEntry::Speed25,  MenuEntry::Speed50,  MenuEntry::Speed75, MenuEntry::Speed100,
        MenuEntry::Speed125, MenuEntry::Speed150, MenuEntry::Speed200};
    static constexpr std::array kSpeedPercents{25, 50, 75, 100, 125, 150, 200};
    static constexpr int kNormalSpeed = 3;
    // Play ▸ 跟弹方式, in the order of PracticeRun::Way.
    static constexpr std::array kPracticeWays{MenuEntry::PracticeWaitForKey,
                                              MenuEntry::PracticeInTime};
    // The View entries that show the bars, in the order of BottomContainerLayout::Bar.
    static constexpr std::array kBarToggles{MenuEntry::ViewProgressBar, MenuEntry::ViewControlBar,
                                            MenuEntry::ViewListBar, MenuEntry::ViewStatusBar,
                                            MenuEntry::ViewScoreBar};

    explicit MainMenus(QObject* parent = nullptr);

    // The named entries of `menu`, in menu order.
    static QList<MenuEntry> entriesOf(Menu menu);

    MenuItem* item(MenuEntry entry) const { return items_[std::size_t(entry)]; }
    MenuArray& menu(Menu menu) const { return *menus_[std::size_t(menu)]; }
    // The menu bar's menus in bar order.
    QList<MenuArray*> menuBar() const;
    // The pop-up of the lists, never in the menu bar.
    MenuArray& popup() const { return menu(Menu::Popup); }

    // The entries whose checks the settings file keeps, in the order it reads them: the eighteen
    // of the original file, then those added since.
    QList<MenuItem*> rememberedChecks() const;
    // Checks `entry` and unchecks the other entries of its group.
    template <std::size_t N>
    void checkOnly(MenuEntry entry, const std::array<MenuEntry, N>& group) const {
        for (MenuEntry other : group)
            item(other)->setChecked(other == entry);
    }
    // Makes `entry` a check that a click turns on and off, while `context` lives.
    void makeToggle(MenuEntry entry, QObject* context) const {
        MenuItem* toggled = item(entry);
        connect(toggled, &MenuItem::triggered, context,
                [toggled] { toggled->setChecked(!toggled->checked()); });
    }
    // Makes `group` choose one of its entries: a click checks that entry alone, then `chosen`
    // runs, while `context` lives, with the entry's place in the group.
    template <std::size_t N, typename Chosen>
    void makeChoice(const std::array<MenuEntry, N>& group, QObject* context, Chosen chosen) const {
        for (std::size_t i = 0; i < N; ++i)
            connect(item(group[i]), &MenuItem::triggered, context, [this, group, i, chosen] {
                checkOnly(group[i], group);
                chosen(int(i));
            });
    }
    // The place of the checked entry in its group, or -1 when none is checked.
    template <std::size_t N> int checkedIn(const std::array<MenuEntry, N>& group) const {
        for (std::size_t i = 0; i < N; ++i)
            if (item(group[i])->checked()) return int(i);
        return -1;
    }

private:
    static constexpr std::size_t kMenuCount = std::size_t(Menu::Popup) + 1;
#define TONVALE_COUNT(...) +1
#define TONVALE_NOT_COUNTED(menu)
    static constexpr std::size_t kEntryCount =
        0 TONVALE_MENU_ENTRIES(TONVALE_COUNT, TONVALE_COUNT, TONVALE_NOT_COUNTED);
#undef TONVALE_COUNT
#undef TONVALE_NOT_COUNTED

    std::array<MenuArray*, kMenuCount> menus_{};
    std::array<MenuItem*, kEntryCount> items_{};
};
