#include "keyboard/KeyMap.h"
#include "keyboard/VirtualKeyCodes.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <QSet>
#include <gtest/gtest.h>

namespace {

// The default map, group by group of the note table.
const QStringList kDefaultNames = QStringLiteral("Ctrl|`|Shift|"
                                                 "Z|Alt|X|6小|C|V|7小|B|8小|N|9小|M|"
                                                 "1|/小|2|*小|3|4|-小|5|+小|6|b|7|"
                                                 "z|n|x|g|c|v|h|m|t|,|y|.|"
                                                 "a|截屏|s|Scroll Lock|d|f|Pause|j|Insert|k|Home|l|"
                                                 "q|PageUp|w|Delete|e|r|End|u|PageDown|i|.小|o|"
                                                 "8|1小|9|2小|0|-|3小|=|4小|\\|5小|退格|"
                                                 "A|上|S|下|D|F|左|J|右|K|0小|L|"
                                                 "'")
                                      .split(QLatin1Char('|'));

struct KeyMapTest : testing::Test {
    void SetUp() override {
        folder.write(QStringLiteral("INI/.keep"), {});
        notes.LoadNoteMap(folder.paths());
    }
    void writeUserMap(const QByteArray& gbkBody) {
        folder.write(QStringLiteral("INI/按键设置.KeyCode"), gbkBody);
    }

    TempProgramFolder folder;
    NoteTable notes;
    KeyMap map;
};

TEST_F(KeyMapTest, TheDefaultFileIsTheEmbeddedImageAndReadOnly) {
    map.LoadKeyMaps(folder.paths(), notes, false);
    const QString path = KeyMap::defaultFilePath(folder.paths());
    EXPECT_TRUE(path.endsWith(QStringLiteral("INI/默认_按键设置.KeyCode")));
    EXPECT_EQ(folder.read(QStringLiteral("INI/默认_按键设置.KeyCode")), DefaultFileBytes(105));
    EXPECT_FALSE(QFile::permissions(path) & QFileDevice::WriteOwner);
    // One entry line per key, the group separators holding a single tab.
    const QByteArray bytes = DefaultFileBytes(105);
    EXPECT_TRUE(bytes.startsWith("[\xBC\xFC\xC2\xEB]\r\n"));
    EXPECT_TRUE(bytes.contains("\r\n5..==\r\n"));
    EXPECT_EQ(bytes.count("\r\n\t\r\n"), 8);
    EXPECT_EQ(bytes.count("\r\n"), 1 + 88 + 8);
}

TEST_F(KeyMapTest, TheDefaultMapAssignsEveryKeyOnce) {
    map.LoadKeyMaps(folder.paths(), notes, false);
    ASSERT_EQ(kDefaultNames.size(), 88);
    QStringList read;
    for (int i = 0; i < 88; ++i)
        read << map.strKeyName(i);
    EXPECT_EQ(read, kDefaultNames);
    EXPECT_EQ(QSet<QString>(read.begin(), read.end()).size(), 88);
}

struct LookupCase {
    int code;
    bool capsLock;
    int keyIndex;
};

void PrintTo(const LookupCase& c, std::ostream* os) {
    *os << c.code << (c.capsLock ? " caps" : "");
}

class DefaultLookupTest : public KeyMapTest, public testing::WithParamInterface<LookupCase> {};

TEST_P(DefaultLookupTest, FindsThePianoKey) {
    map.LoadKeyMaps(folder.paths(), notes, false);
    EXPECT_EQ(map.lookup(GetParam().code, GetParam().capsLock), GetParam().keyIndex);
}

INSTANTIATE_TEST_SUITE_P(Keys, DefaultLookupTest,
                         testing::Values(LookupCase{'A', false, 39}, LookupCase{'A', true, 75},
                                         LookupCase{101, false, 73}, LookupCase{'5', false, 22},
                                         LookupCase{'5', true, 22}, LookupCase{44, false, -1},
                                         LookupCase{42, false, 40}, LookupCase{226, false, -1},
                                         LookupCase{VirtualKey::Control, false, 0},
                                         LookupCase{VirtualKey::Delete, false, 54},
                                         LookupCase{VirtualKey::Backspace, false, 74},
                                         LookupCase{220, false, 72}, LookupCase{187, false, 70},
                                         LookupCase{222, true, 87},
                                         LookupCase{VirtualKey::Tab, false, -1},
                                         LookupCase{VirtualKey::Escape, false, -1}));

TEST_F(KeyMapTest, TheUserMapReplacesEveryEntry) {
    // 226 has no name of its own, yet a user map may assign it.
    writeUserMap("[\xBC\xFC\xC2\xEB]\r\n...1=226\r\n1=Q\r\n");
    map.LoadKeyMaps(folder.paths(), notes, true);
    EXPECT_EQ(map.lookup(226, false), 3);
    EXPECT_EQ(map.lookup('Q', true), 39);
    EXPECT_EQ(map.lookup('A', false), -1);
    EXPECT_EQ(map.strKeyName(0), QString());
}

TEST_F(KeyMapTest, AMissingUserFileLeavesTheKeyboardSilent) {
    map.LoadKeyMaps(folder.paths(), notes, true);
    for (int i = 0; i < 88; ++i)
        EXPECT_EQ(map.strKeyName(i), QString()) << i;
    EXPECT_EQ(map.lookup('A', false), -1);
}

TEST_F(KeyMapTest, WithoutTheGateTheUserFileIsNotRead) {
    writeUserMap("[\xBC\xFC\xC2\xEB]\r\n1=Q\r\n");
    map.LoadKeyMaps(folder.paths(), notes, false);
    EXPECT_EQ(map.lookup('A', false), 39);
}

TEST_F(KeyMapTest, TheLowestKeyWinsAndEmptyNamesNeverMatch) {
    map.setStrKeyName(10, QStringLiteral("q"));
    map.setStrKeyName(5, QStringLiteral("q"));
    map.setStrKeyName(200, QStringLiteral("w"));
    EXPECT_EQ(map.lookup('Q', false), 5);
    EXPECT_EQ(map.keyIndexOfName(QString()), -1);
    EXPECT_EQ(map.lookup('W', false), -1);
    EXPECT_EQ(map.strKeyName(-1), QString());
}

TEST_F(KeyMapTest, KeysWithoutANoteNameAreNotRead) {
    // A stray entry without a key must not be taken for the keys whose note name is unknown.
    writeUserMap("[\xBC\xFC\xC2\xEB]\r\n=x\r\n");
    const NoteTable noNames;
    map.readFile(KeyMap::userFilePath(folder.paths()), noNames);
    EXPECT_EQ(map.lookup('X', false), -1);
}

} // namespace
