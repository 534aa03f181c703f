#include "settings/OptionsModel.h"
#include "OptionsRig.h"
#include "keyboard/VirtualKeyCodes.h"
#include "support/QuotedText.h"

#include <QSignalSpy>

namespace {

struct OptionsModelTest : OptionsRig {
    // The dialog loaded and shown, as its user finds it.
    OptionsModel& open(bool aboutRequested = false) {
        model = std::make_unique<OptionsModel>(host, folder.paths(), messages);
        model->load(aboutRequested);
        model->setVisible(true);
        return *model;
    }
    std::unique_ptr<OptionsModel> model;
};

// --- pages ---------------------------------------------------------------------------------

TEST_F(OptionsModelTest, WithoutAppliedOptionsEveryWayOpensOnTheAboutPage) {
    EXPECT_EQ(open(false).intCurrentTab(), OptionsModel::AboutPage);
    EXPECT_FALSE(model->restoreDefaultsOffered());
    EXPECT_EQ(model->caption(), QStringLiteral("Tonvale -> 选项"));
}

TEST_F(OptionsModelTest, TheViewMenuOpensTheStoredPageAndAboutAlwaysPageZero) {
    OptionValues stored;
    stored.intCurrentTab = OptionsModel::KeyPage;
    storeOptions(stored);
    EXPECT_EQ(open(false).intCurrentTab(), OptionsModel::KeyPage);
    EXPECT_TRUE(model->restoreDefaultsOffered());
    EXPECT_EQ(open(true).intCurrentTab(), OptionsModel::AboutPage);
}

// --- transparency --------------------------------------------------------------------------

TEST_F(OptionsModelTest, TheSliderAtItsEndIsOneHundredPercentAndRefused) {
    open();
    model->alphaSliderPressed(255);
    EXPECT_EQ(model->values().alphaText, QStringLiteral("100"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("错误：透明度超出了允许的范围！      "));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Tonvale -> 选项"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Error);
    EXPECT_TRUE(messages.shown[0].systemModal);
    EXPECT_FALSE(model->okEnabled());
    EXPECT_FALSE(model->blnAlphaDragging()) << "the message box ends the drag";
    EXPECT_EQ(host.transparency(), 0) << "the window keeps its last valid transparency";
}

TEST_F(OptionsModelTest, OneStepBelowTheEndIsNinetyNinePercent) {
    open();
    model->alphaSliderPressed(200);
    model->alphaSliderMoved(254);
    EXPECT_EQ(model->values().alphaText, QStringLiteral("99"));
    EXPECT_EQ(host.transparency(), 99);
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(model->alphaSliderValue(), 254) << "the slider stays under the pointer while dragged";
    model->alphaSliderReleased();
    model->alphaSliderMoved(10);
    EXPECT_EQ(model->values().alphaText, QStringLiteral("99"))
        << "a move without the button is no drag";
}

struct Typed {
    const char* text;
    bool accepted;
    int slider;  // where the slider goes; -1: it stays
    int applied; // what the window gets; -1: nothing new
};

void PrintTo(const Typed& typed, std::ostream* os) {
    *os << quoted(typed.text);
}

struct TypedTransparency : OptionsModelTest, testing::WithParamInterface<Typed> {};

TEST_P(TypedTransparency, IsAppliedOrRefused) {
    const Typed typed = GetParam();
    open();
    QSignalSpy slider(model.get(), &OptionsModel::alphaSliderChanged);
    EXPECT_EQ(model->setAlphaText(QString::fromUtf8(typed.text)), typed.accepted);
    EXPECT_EQ(messages.shown.size(), typed.accepted ? 0 : 1);
    EXPECT_EQ(model->okEnabled(), typed.accepted);
    EXPECT_EQ(model->applyEnabled(), typed.accepted);
    if (typed.slider >= 0) {
        ASSERT_EQ(slider.size(), 1);
        EXPECT_EQ(slider[0][0].toInt(), typed.slider);
    } else {
        EXPECT_TRUE(slider.isEmpty());
    }
    EXPECT_EQ(host.transparencies.size(), typed.applied >= 0 ? 2 : 1); // the load applied one
    if (typed.applied >= 0) {
        EXPECT_EQ(host.transparency(), typed.applied);
    }
}

INSTANTIATE_TEST_SUITE_P(Texts, TypedTransparency,
                         testing::Values(Typed{"99", true, 252, 99}, Typed{"100", false, -1, -1},
                                         Typed{"-1", false, -1, -1}, Typed{"50.5", true, 129, 50},
                                         Typed{"", true, 0, 0}, Typed{" 7 %", true, 18, 7},
                                         Typed{"99.6", false, -1, -1}));

TEST_F(OptionsModelTest, OkStaysDisabledAfterARefusalAndApplyStoresTheLastAcceptedText) {
    open();
    model->setAlphaText(QStringLiteral("30"));
    model->setAlphaText(QStringLiteral("300"));
    model->setAlphaText(QStringLiteral("3"));
    model->setAlphaText(QStringLiteral("-3"));
    EXPECT_FALSE(model->okEnabled());
    model->apply();
    EXPECT_EQ(OptionsSection::read(settingsFile())->alphaText, QStringLiteral("3"));
    EXPECT_EQ(host.transparency(), 3);
}

TEST_F(OptionsModelTest, AStoredPercentTheBoxRefusesIsNeverPassedToTheWindow) {
    OptionValues stored;
    stored.alphaText = QStringLiteral("150");
    storeOptions(stored);
    open();
    EXPECT_EQ(messages.shown.size(), 1) << "loading runs the check";
    model->selectTitle(2);
    model->apply();
    EXPECT_EQ(OptionsSection::read(settingsFile())->alphaText, QStringLiteral("99"));
    model->selectTitle(3);
    model->close();
    for (qint16 percent : host.transparencies)
        EXPECT_LE(percent, 99);
}

// --- title and other options ---------------------------------------------------------------

TEST_F(OptionsModelTest, TitleOptionsWithoutALoadedFileOnlySetTheOption) {
    open();
    for (int option = 0; option < 4; ++option) {
        model->selectTitle(option);
        EXPECT_EQ(host.programOptions.intTitleOption, option);
        EXPECT_EQ(host.title, QStringLiteral("Tonvale"));
    }
}

TEST_F(OptionsModelTest, TitleOptionsWithALoadedFileSetTheCaption) {
    host.file = QStringLiteral("/乐谱/test.piano");
    open();
    const QStringList captions{QStringLiteral("Tonvale -> [/乐谱/test.piano]"),
                               QStringLiteral("Tonvale -> [test]"), QStringLiteral("test"),
                               QStringLiteral("/乐谱/test.piano")};
    for (int option = 0; option < 4; ++option) {
        model->selectTitle(option);
        EXPECT_EQ(host.title, captions[option]) << option;
    }
}

TEST_F(OptionsModelTest, ChangesBeforeTheDialogIsShownDoNotCountAsUnapplied) {
    OptionValues stored;
    stored.titleOption = 3;
    stored.checks[OptionValues::OnlyOneApp] = false;
    storeOptions(stored);
    model = std::make_unique<OptionsModel>(host, folder.paths(), messages);
    model->load(false);
    EXPECT_FALSE(model->applyEnabled());
    EXPECT_EQ(host.programOptions.intTitleOption, 3);
    EXPECT_FALSE(host.programOptions.blnOnlyRunOne);
}

TEST_F(OptionsModelTest, ChangeThenCancelPutsTheProgramBackAndLeavesTheFiles) {
    host.file = QStringLiteral("/乐谱/test.piano");
    host.title = QStringLiteral("Tonvale -> [test]");
    open();
    model->setAlphaText(QStringLiteral("40"));
    model->selectTitle(2);
    model->selectPlayList(3);
    model->setCheck(OptionValues::MouseFollow, false);
    model->setCheck(OptionValues::AssociatePlaylists, false);
    model->ShowPage(OptionsModel::KeyPage);
    ASSERT_TRUE(model->captureKey(40, 116, false)); // F5
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("F5")) << "the running map follows at once";
    EXPECT_EQ(host.title, QStringLiteral("test"));

    model->close();
    EXPECT_EQ(host.transparency(), 0);
    EXPECT_EQ(host.title, QStringLiteral("Tonvale -> [test]"));
    EXPECT_EQ(host.programOptions.intTitleOption, 1);
    EXPECT_EQ(host.programOptions.intPlayListOption, 1);
    EXPECT_TRUE(host.programOptions.blnMouseFollow);
    EXPECT_TRUE(host.programOptions.blnAssociate[1]);
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏"));
    EXPECT_TRUE(settingsBytes().isEmpty());
    EXPECT_TRUE(userKeyMapBytes().isEmpty());
    EXPECT_TRUE(host.associations.isEmpty());
}

TEST_F(OptionsModelTest, ChangeApplyChangeCancelKeepsTheFileAtTheAppliedValues) {
    open();
    model->setAlphaText(QStringLiteral("20"));
    model->selectTitle(0);
    model->setCheck(OptionValues::AssociateScores, false);
    ASSERT_TRUE(model->captureKey(40, 116, false));
    QSignalSpy focusOk(model.get(), &OptionsModel::focusOkRequested);
    model->apply();
    EXPECT_FALSE(model->applyEnabled());
    EXPECT_EQ(focusOk.size(), 1);
    ASSERT_EQ(host.associations.size(), 1);
    EXPECT_EQ(host.associations[0], (std::array<bool, 2>{false, true}));
    const QByteArray appliedSettings = settingsBytes();
    const QByteArray appliedKeys = userKeyMapBytes();

    model->setAlphaText(QStringLiteral("60"));
    model->selectTitle(3);
    ASSERT_TRUE(model->captureKey(40, 117, false)); // F6
    model->close();

    EXPECT_EQ(host.transparency(), 0);
    EXPECT_EQ(host.programOptions.intTitleOption, 1);
    EXPECT_TRUE(host.programOptions.blnAssociate[0]);
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏")) << "back to before the dialog";
    EXPECT_EQ(settingsBytes(), appliedSettings);
    EXPECT_EQ(userKeyMapBytes(), appliedKeys);
    const auto stored = OptionsSection::read(settingsFile());
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->alphaText, QStringLiteral("20"));
    EXPECT_EQ(stored->titleOption, 0);
    EXPECT_FALSE(stored->checks[OptionValues::AssociateScores]);
    KeyMap reread;
    reread.readFile(KeyMap::userFilePath(folder.paths()), host.notes);
    EXPECT_EQ(reread.strKeyName(40), QStringLiteral("F5"));
    EXPECT_EQ(reread.strKeyName(39), QStringLiteral("a"));
}

TEST_F(OptionsModelTest, OkAppliesPendingChangesAndClosingThenRevertsNothing) {
    open();
    model->selectPlayList(2);
    model->ok();
    model->close();
    EXPECT_EQ(host.programOptions.intPlayListOption, 2);
    EXPECT_EQ(OptionsSection::read(settingsFile())->playListOption, 2);
}

TEST_F(OptionsModelTest, RestoringThePageDefaultsFollowsInTheWindow) {
    OptionValues stored;
    stored.intCurrentTab = OptionsModel::AppearancePage;
    stored.alphaText = QStringLiteral("45");
    stored.titleOption = 3;
    stored.playListOption = 0;
    stored.checks = {false, false, false, false};
    storeOptions(stored);
    open();
    EXPECT_EQ(host.transparency(), 45);
    model->restoreDefaults();
    EXPECT_EQ(model->values(), (OptionValues{OptionsModel::AppearancePage}));
    EXPECT_EQ(host.transparency(), 0);
    EXPECT_EQ(host.programOptions.intTitleOption, 1);
    EXPECT_TRUE(host.programOptions.blnOnlyRunOne);
    EXPECT_TRUE(model->applyEnabled());
}

// --- the key page --------------------------------------------------------------------------

TEST_F(OptionsModelTest, KeyFortyRefusesANameAnotherBoxShowsWithCapsLockOffAndOn) {
    open();
    EXPECT_FALSE(model->captureKey(40, 'Z', false));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("警告：该键值(z)已经被占用！"));
    EXPECT_EQ(messages.shown[0].icon, MessageIcon::Warning);
    EXPECT_EQ(messages.shown[0].title, model->caption());
    EXPECT_EQ(model->keys().text(40), QStringLiteral("截屏"));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏"));
    EXPECT_FALSE(model->applyEnabled());

    EXPECT_FALSE(model->captureKey(40, 'Z', true)) << "key 3 shows Z";
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("警告：该键值(Z)已经被占用！"));
    ASSERT_TRUE(model->captureKey(3, 118, false)); // F7 frees Z
    EXPECT_TRUE(model->captureKey(40, 'Z', true));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("Z"));
}

TEST_F(OptionsModelTest, PressingTheKeyABoxAlreadyShowsIsAccepted) {
    open();
    EXPECT_TRUE(model->captureKey(39, 'A', false));
    EXPECT_EQ(model->keys().text(39), QStringLiteral("a"));
    EXPECT_TRUE(model->applyEnabled());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(OptionsModelTest, LowerAndUpperCaseLettersAreDifferentNames) {
    open();
    ASSERT_TRUE(model->captureKey(39, 116, false));
    ASSERT_TRUE(model->captureKey(75, 117, false));
    EXPECT_TRUE(model->captureKey(40, 'A', false));
    EXPECT_TRUE(model->captureKey(41, 'A', true));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("a"));
    EXPECT_EQ(host.map.strKeyName(41), QStringLiteral("A"));
    EXPECT_EQ(host.map.lookup('A', false), 40);
    EXPECT_EQ(host.map.lookup('A', true), 41);
}

TEST_F(OptionsModelTest, ACodeWithoutANameOfItsOwnTakesPartInTheCheck) {
    open();
    ASSERT_TRUE(model->captureKey(40, 226, false));
    EXPECT_FALSE(model->captureKey(41, 226, false));
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("警告：该键值(226)已经被占用！"));
}

TEST_F(OptionsModelTest, AKeyLabelOnlyMarksOnTheKeyPage) {
    open();
    QSignalSpy marks(model.get(), &OptionsModel::markedKeyChanged);
    for (int page : {OptionsModel::AboutPage, OptionsModel::AppearancePage}) {
        model->ShowPage(page);
        marks.clear();
        model->clickKeyLabel(40);
        EXPECT_EQ(model->keys().markedKey(), -1) << page;
        EXPECT_TRUE(marks.isEmpty());
    }
    model->ShowPage(OptionsModel::KeyPage);
    model->clickKeyLabel(40);
    EXPECT_EQ(model->keys().markedKey(), 40);
    model->clickKeyBox(12);
    EXPECT_EQ(model->keys().markedKey(), 12);
    model->ShowPage(OptionsModel::AppearancePage);
    EXPECT_EQ(model->keys().markedKey(), -1) << "changing pages takes the mark away";
}

TEST_F(OptionsModelTest, TheKeyBoxesComeFromTheUserMapOnceOptionsWereApplied) {
    storeOptions(OptionValues{});
    storeUserKeyMapWithF5OnKey40();
    open();
    EXPECT_EQ(model->keys().text(40), QStringLiteral("F5"));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏")) << "loading fills the boxes only";
}

TEST_F(OptionsModelTest, RestoreDefaultsThenCancelLeavesTheRunningMapAndTheFiles) {
    storeOptions(OptionValues{});
    storeUserKeyMapWithF5OnKey40();
    host.map.LoadKeyMaps(folder.paths(), host.notes, true);
    const QByteArray userMap = userKeyMapBytes();
    open();
    model->ShowPage(OptionsModel::KeyPage);
    model->restoreDefaults();
    EXPECT_EQ(model->keys().text(40), QStringLiteral("截屏"));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏"))
        << "the running map follows the boxes";
    EXPECT_TRUE(model->applyEnabled());
    model->close();
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("F5"));
    EXPECT_EQ(userKeyMapBytes(), userMap);
}

TEST_F(OptionsModelTest, RestoreDefaultsThenApplyStoresTheDefaultMap) {
    storeOptions(OptionValues{});
    storeUserKeyMapWithF5OnKey40();
    open();
    model->ShowPage(OptionsModel::KeyPage);
    model->restoreDefaults();
    model->apply();
    KeyMap reread;
    reread.readFile(KeyMap::userFilePath(folder.paths()), host.notes);
    KeyMap defaults;
    defaults.readFile(KeyMap::defaultFilePath(folder.paths()), host.notes);
    for (int i = 0; i < NoteTable::kKeyCount; ++i)
        EXPECT_EQ(reread.strKeyName(i), defaults.strKeyName(i)) << i;
}

TEST_F(OptionsModelTest, AnEmptyBoxLeavesTheEarlierEntryOfTheUserMap) {
    storeOptions(OptionValues{});
    QByteArray map = folder.read(QStringLiteral("INI/默认_按键设置.KeyCode"));
    map.replace("b2 / #1=\xbd\xd8\xc6\xc1\r\n", "");
    storeUserKeyMap(map);
    open();
    EXPECT_EQ(model->keys().text(40), QString());
    model->captureKey(39, 116, false);
    model->apply();
    EXPECT_FALSE(userKeyMapBytes().contains("b2 / #1=")) << "an empty box writes nothing";
}

// --- the sustain pedal's box --------------------------------------------------------------

TEST_F(OptionsModelTest, AKeyCannotBeBothANoteAndThePedal) {
    open();
    constexpr int pedal = KeyMapEditor::kPedalBox;
    EXPECT_FALSE(model->captureKey(pedal, 'Z', true)) << "key 3 shows Z";
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("警告：该键值(Z)已经被占用！"));
    EXPECT_EQ(host.map.pedalKeyName(), QString());
    EXPECT_FALSE(model->applyEnabled());

    ASSERT_TRUE(model->captureKey(pedal, 118, false));
    EXPECT_EQ(host.map.pedalKeyName(), QStringLiteral("F7")) << "the running map follows";
    EXPECT_FALSE(model->captureKey(40, 118, false));
    EXPECT_EQ(messages.shown.last().text, QStringLiteral("警告：该键值(F7)已经被占用！"));
    EXPECT_EQ(host.map.strKeyName(40), QStringLiteral("截屏"));
}

TEST_F(OptionsModelTest, TheAppliedPedalIsReadAtTheNextStartAndClearedByTheDefaults) {
    open();
    ASSERT_TRUE(model->captureKey(KeyMapEditor::kPedalBox, 118, false));
    model->apply();
    EXPECT_TRUE(userKeyMapBytes().contains("\xd1\xd3\xd2\xf4\xcc\xa4\xb0\xe5=F7\r\n"));
    for (const bool gate : {false, true}) {
        KeyMap restarted;
        restarted.LoadKeyMaps(folder.paths(), host.notes, gate);
        EXPECT_TRUE(restarted.isPedalKey(118, false)) << gate;
    }

    model->close();
    open();
    EXPECT_EQ(model->keys().text(KeyMapEditor::kPedalBox), QStringLiteral("F7"));
    model->ShowPage(OptionsModel::KeyPage);
    model->restoreDefaults();
    EXPECT_EQ(host.map.pedalKeyName(), QString());
    model->close();
    EXPECT_EQ(host.map.pedalKeyName(), QStringLiteral("F7")) << "closing reverts the pedal too";
    open();
    model->ShowPage(OptionsModel::KeyPage);
    model->restoreDefaults();
    model->apply();
    EXPECT_FALSE(userKeyMapBytes().contains("\xd1\xd3\xd2\xf4\xcc\xa4\xb0\xe5"))
        << "a cleared pedal leaves no entry, not an empty one";
}

} // namespace
