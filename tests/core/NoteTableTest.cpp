#include "core/NoteTable.h"
#include "platform/GbkCodec.h"
#include "support/TempProgramFolder.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(NoteTable, LoadsTheEmbeddedMapWithItsFigures) {
    TempProgramFolder dir;
    QDir(dir.path()).mkdir("INI");
    NoteTable table;
    table.LoadNoteMap(dir.paths());
    const std::pair<int, const char*> rows[] = {
        {0, "....6"}, {1, "....b7 / ....#6"}, {2, "....7"}, {3, "...1"}, {4, "...b2 / ...#1"},
        {30, ".b3 / .#2"}, {38, ".7"}, {39, "1"}, {40, "b2 / #1"}, {51, "1."},
        {52, "b2. / #1."}, {54, "b3. / #2."}, {86, "7..."}, {87, "1...."}};
    for (const auto& [key, name] : rows) EXPECT_EQ(table.strNoteName(key), QString(name)) << key;
    EXPECT_EQ(table.strNoteName(88), QString());
    EXPECT_EQ(table.strNoteName(-1), QString());
}

TEST(NoteTable, TheFileIsReadOnlyAndHandEditsAreUndoneAtTheNextLoad) {
    TempProgramFolder dir;
    QDir(dir.path()).mkdir("INI");
    const QString path = NoteTable::noteMapPath(dir.paths());
    NoteTable().LoadNoteMap(dir.paths());
    const QByteArray original = dir.read("INI/简谱音符映射.INI");
    EXPECT_EQ(original, DefaultFileBytes(NoteTable::kNoteMapResource));
    EXPECT_EQ(QFile::permissions(path) & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther), 0);

    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    dir.write("INI/简谱音符映射.INI", GbkCodec::encode("[简谱音符映射]\r\n39=改过\r\n"));
    NoteTable table;
    table.LoadNoteMap(dir.paths());
    EXPECT_EQ(table.strNoteName(39), QString("1"));
    EXPECT_EQ(dir.read("INI/简谱音符映射.INI"), original);
}

TEST(NoteTable, TheEmbeddedBytesHaveTheirLayout) {
    const QString text = GbkCodec::decode(DefaultFileBytes(NoteTable::kNoteMapResource));
    const QStringList lines = text.split("\r\n");
    ASSERT_GE(lines.size(), 3 + 1 + 88 + 8);
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(lines[i].startsWith(';'));
    EXPECT_EQ(lines[3], QString("[简谱音符映射]"));
    EXPECT_EQ(lines.count("\t"), 8);
    EXPECT_TRUE(lines.contains("30=.b3 / .#2 "));
    EXPECT_TRUE(lines.contains("54=b3. / #2. "));
    EXPECT_EQ(lines.indexOf("\t"), lines.indexOf("2=....7") + 1);
    EXPECT_EQ(lines.last(), QString()); // every line ends in CR LF
}

TEST(NoteTable, AMissingMapLeavesNamesEmpty) {
    TempProgramFolder dir; // no INI folder: the map cannot be written
    NoteTable table;
    table.LoadNoteMap(dir.paths());
    EXPECT_EQ(table.strNoteName(39), QString());
}

TEST(NoteTable, BaseNotesAndBlackKeys) {
    EXPECT_EQ(NoteTable::baseNote(1), NoteTable::baseNote(3));
    EXPECT_EQ(NoteTable::baseNote(2), NoteTable::baseNote(4));
    EXPECT_EQ(NoteTable::baseNote(0), NoteTable::baseNote(3) - 1);
    EXPECT_EQ(NoteTable::baseNote(0) + 36, 35);
    EXPECT_EQ(NoteTable::baseNote(39) + 36, 72);
    EXPECT_EQ(NoteTable::baseNote(87) + 36, 120);
    EXPECT_EQ(NoteTable::baseNote(87) + 40, 124);
    int black = 0;
    for (int i = 0; i < 88; ++i) black += NoteTable::isBlackKey(i);
    EXPECT_EQ(black, 36);
    EXPECT_TRUE(NoteTable::isBlackKey(1));
    EXPECT_TRUE(NoteTable::isBlackKey(4));
    EXPECT_FALSE(NoteTable::isBlackKey(39));
    EXPECT_TRUE(NoteTable::isBlackKey(85));
    EXPECT_FALSE(NoteTable::isBlackKey(87));
}

// A MIDI note is played by the key that sounds it; beyond the keys, by one an octave or more
// inside them.
TEST(NoteTable, EveryMidiNoteHasTheKeyThatSoundsIt) {
    for (int shift : {29, 36, 40})
        for (int note = 0; note < 128; ++note) {
            const int key = NoteTable::keyOfNote(note, shift);
            ASSERT_GE(key, 0);
            ASSERT_LT(key, NoteTable::kKeyCount);
            const int sounding = NoteTable::soundingNote(key, shift);
            EXPECT_EQ((sounding - note) % 12, 0) << note << " " << shift;
            if (note >= shift - 1 && note <= shift + 84) {
                EXPECT_EQ(sounding, note);
            }
        }
    EXPECT_EQ(NoteTable::keyOfNote(60, 36), 27); // ".1"
    EXPECT_EQ(NoteTable::keyOfNote(72, 36), 39); // "1"
    EXPECT_EQ(NoteTable::keyOfNote(36, 36), 3);  // "...1", not key 1
    EXPECT_EQ(NoteTable::keyOfNote(35, 36), 0);
    EXPECT_EQ(NoteTable::keyOfNote(74, 38), 39); // "1" in D
}

TEST(NoteTable, PitchNamesAndValues) {
    EXPECT_EQ(PitchName(40), QString("E"));
    EXPECT_EQ(PitchName(29), QString("F"));
    EXPECT_EQ(PitchName(0), QString("C"));
    EXPECT_EQ(PitchName(36), QString("C"));
    EXPECT_EQ(PitchName(-1), QString("C"));
    EXPECT_EQ(PitchValue(" c# "), 37);
    EXPECT_EQ(PitchValue("Bb"), 36);
    EXPECT_EQ(PitchValue("F"), 29);
    EXPECT_EQ(PitchValue("e"), 40);
    EXPECT_EQ(PitchValue(""), 36);
    for (int v = 29; v <= 40; ++v) EXPECT_EQ(PitchValue(PitchName(v)), v);
}

} // namespace
