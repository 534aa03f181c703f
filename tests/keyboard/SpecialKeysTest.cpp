#include "LiveKeyboardFixture.h"
#include "keyboard/VirtualKeyCodes.h"

#include <QSignalSpy>

namespace {

// Every command signal of the special keys, recorded in the order they fire.
struct CommandLog {
    explicit CommandLog(CommandKeys& commands) {
        const auto log = [this](const char* name) {
            return [this, name] { fired << QString::fromLatin1(name); };
        };
        QObject::connect(&commands, &CommandKeys::requestStopRecording, log("stopRecording"));
        QObject::connect(&commands, &CommandKeys::requestPlayPause, log("playPause"));
        QObject::connect(&commands, &CommandKeys::requestSearch, log("search"));
        QObject::connect(&commands, &CommandKeys::requestAddFolder, log("addFolder"));
        QObject::connect(&commands, &CommandKeys::requestDeleteSelected, log("deleteSelected"));
        QObject::connect(&commands, &CommandKeys::requestDeleteAll, log("deleteAll"));
        QObject::connect(&commands, &CommandKeys::requestOrganizeFavorites, log("organizeFavorites"));
    }
    QStringList fired;
};

struct SpecialCase {
    int code;
    int shift;
    bool enabled; // every menu entry enabled, and a score playing
    const char* commands;
};

void PrintTo(const SpecialCase& c, std::ostream* os) {
    *os << c.code << " shift " << c.shift << (c.enabled ? " enabled" : " disabled");
}

class SpecialKeysTest : public LiveKeyboardFixture,
                        public testing::WithParamInterface<SpecialCase> {};

TEST_P(SpecialKeysTest, RunTheirCommandsUnderTheirConditions) {
    const bool on = GetParam().enabled;
    const auto condition = [on] { return on; };
    commands.setConditions({condition, condition, condition, condition, condition});
    CommandLog log(commands);
    keys.Form_KeyDown(GetParam().code, GetParam().shift, false);
    EXPECT_EQ(log.fired.join(QLatin1Char(' ')), QString::fromLatin1(GetParam().commands));
}

using namespace VirtualKey;
INSTANTIATE_TEST_SUITE_P(
    Table, SpecialKeysTest,
    testing::Values(SpecialCase{Escape, 0, false, "stopRecording"},
                    SpecialCase{Escape, 0, true, "stopRecording"},
                    SpecialCase{Space, 0, true, "playPause"}, SpecialCase{Space, 0, false, ""},
                    // F3 searches only while no score is playing.
                    SpecialCase{F3, 0, true, ""}, SpecialCase{F3, 0, false, "search"},
                    SpecialCase{B, ShiftMask::Ctrl, false, "addFolder"},
                    SpecialCase{B, 0, true, ""},
                    SpecialCase{B, ShiftMask::Ctrl | ShiftMask::Shift, true, ""},
                    SpecialCase{Delete, 0, true, "deleteSelected"},
                    SpecialCase{Delete, 0, false, ""},
                    SpecialCase{Delete, ShiftMask::Shift, true, "deleteSelected deleteAll"},
                    SpecialCase{Delete, ShiftMask::Shift | ShiftMask::Ctrl, true, "deleteSelected"},
                    SpecialCase{F12, 0, true, "organizeFavorites"}, SpecialCase{F12, 0, false, ""},
                    SpecialCase{'A', 0, true, ""}));

using SpecialKeysEffectTest = LiveKeyboardFixture;

TEST_F(SpecialKeysEffectTest, UnsetConditionsCountAsFalse) {
    CommandLog log(commands);
    for (int code : {int(Space), int(F3), int(Delete), int(F12)})
        keys.Form_KeyDown(code, ShiftMask::Shift, false);
    EXPECT_EQ(log.fired, QStringList{"search"});
}

TEST_F(SpecialKeysEffectTest, AnAssignedSpecialKeySoundsBeforeItsCommand) {
    QList<int> sentWhenDeleting;
    CommandKeys::Conditions conditions;
    conditions.deleteSelectedEnabled = [] { return true; };
    commands.setConditions(conditions);
    QObject::connect(&commands, &CommandKeys::requestDeleteSelected,
                     [&] { sentWhenDeleting << int(backend.sent.size()); });
    keys.Form_KeyDown(Delete, 0, false);
    EXPECT_EQ(keys.intKeyDownIndex(), 54);
    EXPECT_EQ(sentWhenDeleting, QList<int>{2});
    EXPECT_EQ(backend.sent.last(), on(51 + kShift));
}

TEST_F(SpecialKeysEffectTest, EscapeSilencesEveryKey) {
    keys.Form_KeyDown('A', 0, false);
    backend.sent.clear();
    QSignalSpy released(&live, &LiveKeyboard::keyReleasedLook);
    keys.Form_KeyDown(Escape, 0, false);
    EXPECT_EQ(backend.sent.size(), 88);
    EXPECT_EQ(released.count(), 88);
}

TEST_F(SpecialKeysEffectTest, TheSecondDeleteConditionIsAskedAfterTheFirstCommandRan) {
    bool anySelected = true;
    bool anyEntries = true;
    CommandKeys::Conditions conditions;
    conditions.deleteSelectedEnabled = [&] { return anySelected; };
    conditions.deleteAllEnabled = [&] { return anyEntries; };
    commands.setConditions(conditions);
    CommandLog log(commands);
    // Deleting the selection empties the list here, so there is nothing left to delete.
    QObject::connect(&commands, &CommandKeys::requestDeleteSelected, [&] { anyEntries = false; });
    keys.Form_KeyDown(Delete, ShiftMask::Shift, false);
    EXPECT_EQ(log.fired, QStringList{"deleteSelected"});
}

} // namespace
