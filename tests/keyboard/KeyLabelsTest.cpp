// The names on the keys: what the default key map shows with Caps Lock off and on, keys that no
// computer key reaches, and the numbered-notation names with their octave dots.
#include "keyboard/KeyLabels.h"
#include "support/QuotedText.h"
#include "support/TempProgramFolder.h"

#include <gtest/gtest.h>

namespace {

using Label = KeyLabels::Label;

struct KeyLabelsTest : testing::Test {
    KeyLabelsTest() {
        folder.write(QStringLiteral("INI/.keep"), {});
        notes.LoadNoteMap(folder.paths());
        map.LoadKeyMaps(folder.paths(), notes, false);
    }
    TempProgramFolder folder;
    NoteTable notes;
    KeyMap map;
};

struct ComputerKeyCase {
    int keyIndex;
    bool capsLock;
    const char* text;
    bool keypad;
};

void PrintTo(const ComputerKeyCase& c, std::ostream* os) {
    *os << "key " << c.keyIndex << (c.capsLock ? " caps" : "");
}

struct ComputerKeyTest : KeyLabelsTest, testing::WithParamInterface<ComputerKeyCase> {};

TEST_P(ComputerKeyTest, ShowsTheKeyThatPlaysItNow) {
    const ComputerKeyCase& c = GetParam();
    const Label label = KeyLabels::computerKeys(map, c.capsLock)[c.keyIndex];
    EXPECT_EQ(label, (Label{QString::fromUtf8(c.text), 0, c.keypad}));
}

INSTANTIATE_TEST_SUITE_P(
    DefaultMap, ComputerKeyTest,
    testing::Values(
        // A letter shows in the case that plays it; the other case's key shows nothing.
        ComputerKeyCase{39, false, "a", false}, ComputerKeyCase{75, false, "", false},
        ComputerKeyCase{39, true, "", false}, ComputerKeyCase{75, true, "A", false},
        ComputerKeyCase{3, true, "Z", false}, ComputerKeyCase{22, true, "5", false},
        // Short forms, and the keypad's keys marked as such.
        ComputerKeyCase{42, false, "ScrLk", false}, ComputerKeyCase{52, false, "PgUp", false},
        ComputerKeyCase{47, false, "Ins", false}, ComputerKeyCase{76, false, "↑", false},
        ComputerKeyCase{74, false, "Bksp", false}, ComputerKeyCase{73, false, "5", true},
        ComputerKeyCase{16, false, "/", true}, ComputerKeyCase{0, false, "Ctrl", false},
        // "截屏" names a code no key of this keyboard sends.
        ComputerKeyCase{40, false, "", false}));

TEST_F(KeyLabelsTest, AKeyWhoseNameALowerKeyTakesShowsNothing) {
    map.setStrKeyName(39, QStringLiteral("q"));
    map.setStrKeyName(60, QString());
    const KeyLabels::Labels labels = KeyLabels::computerKeys(map, false);
    EXPECT_EQ(labels[39].text, QString("q"));
    EXPECT_EQ(labels[51].text, QString()); // also "q", which plays key 39
    EXPECT_EQ(labels[60].text, QString()); // unassigned
    // The Print key sends a code without a name; a map that names it shows it as on the keycap.
    map.setStrKeyName(60, QStringLiteral("44"));
    EXPECT_EQ(KeyLabels::computerKeys(map, false)[60].text, QString("PrtSc"));
}

struct NoteCase {
    const char* name;
    const char* text;
    int dots;
    friend void PrintTo(const NoteCase& c, std::ostream* out) { *out << quoted(c.name); }
};

class NoteLabelTest : public testing::TestWithParam<NoteCase> {};

TEST_P(NoteLabelTest, IsTheDegreeWithItsOctaveDots) {
    EXPECT_EQ(KeyLabels::noteLabel(QString::fromUtf8(GetParam().name)),
              (Label{QString::fromUtf8(GetParam().text), GetParam().dots}));
}

INSTANTIATE_TEST_SUITE_P(Table, NoteLabelTest,
                         testing::Values(NoteCase{"1", "1", 0}, NoteCase{".7", "7", -1},
                                         NoteCase{"....6", "6", -4},
                                         NoteCase{"....b7 / ....#6", "#6", -4},
                                         NoteCase{"b2. / #1.", "#1", 1}, NoteCase{"1....", "1", 4},
                                         NoteCase{"", "", 0}, NoteCase{"...", "", 0}));

TEST_F(KeyLabelsTest, TheModesShowKeysNamesOrNothing) {
    EXPECT_EQ(KeyLabels::labels(KeyLabels::Mode::NoteNames, map, notes, false)[30],
              (Label{"#2", -1}));
    EXPECT_EQ(KeyLabels::labels(KeyLabels::Mode::ComputerKeys, map, notes, false)[30],
              (Label{"g"}));
    EXPECT_EQ(KeyLabels::labels(KeyLabels::Mode::None, map, notes, false)[30], Label{});
}

} // namespace
