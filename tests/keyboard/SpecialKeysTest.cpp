#include "LiveKeyboardFixture.h"
#include "keyboard/VirtualKeyCodes.h"

#include <QSignalSpy>

namespace {

// Every command signal of the special keys, recorded in the order they fire.
struct CommandLog {
    explicit CommandLog(LiveKeyboard& live) {
        const auto log = [this](const char* name) {
            return [this, name] { fired << QString::fromLatin1(name); };
        };
        QObject::connect(&live, &LiveKeyboard::requestStopRecording, log("stopRecording"));
        QObject::connect(&live, &LiveKeyboard::requestPlayPause, log("playPause"));
        QObject::connect(&live, &LiveKeyboard::requestSearch, log("search"));
        QObject::connect(&live, &LiveKeyboard::requestAddFolder, log("addFolder"));
        QObject::connect(&live, &LiveKeyboard::requestDeleteSelected, log("deleteSelected"));
        QObject::connect(&live, &LiveKeyboard::requestDeleteAll, log("deleteAll"));
        QObject::connect(&live, &LiveKeyboard::requestOrganizeFavorites, log("organizeFavorites"));
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
    live.setConditions({condition, condition, condition, condition, condition, {}});
    CommandLog log(live);
    live.Form_KeyDown(GetParam().code, GetParam().shift, false);
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
    CommandLog log(live);
    for (int code : {int(Space), int(F3), int(Delete), int(F12)})
        live.Form_KeyDown(code, ShiftMask::Shift, false);
    EXPECT_EQ(log.fired, QStringList{"search"});
}

TEST_F(SpecialKeysEffectTest, AnAssignedSpecialKeySoundsBeforeItsCommand) {
    QList<int> sentWhenDeleting;
    LiveKeyboard::Conditions conditions;
    conditions.deleteSelectedEnabled = [] { return true; };
    live.setConditions(conditions);
    QObject::connect(&live, &LiveKeyboard::requestDeleteSelected,
                     [&] { sentWhenDeleting << int(backend.sent.size()); });
    live.Form_KeyDown(Delete, 0, false);
    EXPECT_EQ(live.intKeyDownIndex(), 54);
    EXPECT_EQ(sentWhenDeleting, QList<int>{2});
    EXPECT_EQ(backend.sent.last(), on(51 + kShift));
}

TEST_F(SpecialKeysEffectTest, EscapeSilencesEveryKey) {
    live.Form_KeyDown('A', 0, false);
    backend.sent.clear();
    QSignalSpy released(&live, &LiveKeyboard::keyReleasedLook);
    live.Form_KeyDown(Escape, 0, false);
    EXPECT_EQ(backend.sent.size(), 88);
    EXPECT_EQ(released.count(), 88);
}

TEST_F(SpecialKeysEffectTest, TheSecondDeleteConditionIsAskedAfterTheFirstCommandRan) {
    bool anySelected = true;
    bool anyEntries = true;
    LiveKeyboard::Conditions conditions;
    conditions.deleteSelectedEnabled = [&] { return anySelected; };
    conditions.deleteAllEnabled = [&] { return anyEntries; };
    live.setConditions(conditions);
    CommandLog log(live);
    // Deleting the selection empties the list here, so there is nothing left to delete.
    QObject::connect(&live, &LiveKeyboard::requestDeleteSelected, [&] { anyEntries = false; });
    live.Form_KeyDown(Delete, ShiftMask::Shift, false);
    EXPECT_EQ(log.fired, QStringList{"deleteSelected"});
}

} // namespace
