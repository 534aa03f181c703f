#include "ModalDialog.h"
#include "ProgramRun.h"
#include "settings/AppearancePage.h"
#include "settings/frmOption.h"

#include <QRadioButton>
#include <QStackedWidget>
#include <gtest/gtest.h>

namespace {

struct OptionsMenuTest : ProgramRun {
    static void withDialog(MenuItem* entry, const std::function<void(frmOption&)>& inside) {
        withModalDialog(entry, inside);
    }

};

TEST_F(OptionsMenuTest, HelpAboutAndViewOptionsOpenTheDialogOverTheMainWindow) {
    runProgram([](frmMain& main) {
        const QString title = main.windowTitle();
        ASSERT_FALSE(main.features().engine.score().strPlayingFile.isEmpty())
            << "the first start plays the sample";
        withDialog(main.features().menus.item(MenuEntry::HelpAbout), [&](frmOption& dialog) {
            EXPECT_EQ(dialog.pages->currentIndex(), 0);
            EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Tonvale -> 选项"));
            EXPECT_EQ(dialog.parentWidget(), &main);
        });
        withDialog(main.features().menus.item(MenuEntry::ViewOptions), [&](frmOption& dialog) {
            dialog.model().ShowPage(1);
            dialog.model().selectTitle(3);
            EXPECT_EQ(main.windowTitle(), main.features().engine.score().strPlayingFile);
            EXPECT_EQ(main.features().options.intTitleOption, 3);
        });
        EXPECT_EQ(main.windowTitle(), title) << "closed without Apply";
        EXPECT_EQ(main.features().options.intTitleOption, 1);
    });
}

} // namespace
