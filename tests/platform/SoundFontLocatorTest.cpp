#include "platform/midi/SoundFontLocator.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

struct SoundFontLocatorTest : testing::Test {
    QString pick() const {
        return QFileInfo(SoundFontLocator::firstReadable(
                             SoundFontLocator::candidates({first.path(), second.path()})))
            .fileName();
    }
    TempProgramFolder first, second;
};

TEST_F(SoundFontLocatorTest, PrefersTheGeneralMidiFontsInTheirOrderThenAnyOther) {
    second.write("FluidR3_GM.sf2", "sf");
    first.write("TimGM6mb.sf2", "sf");
    first.write("aaa.sf2", "sf");
    first.write("notes.txt", "not a font");
    EXPECT_EQ(pick(), QString("FluidR3_GM.sf2"));
    QFile::remove(second.file("FluidR3_GM.sf2"));
    EXPECT_EQ(pick(), QString("TimGM6mb.sf2"));
    QFile::remove(first.file("TimGM6mb.sf2"));
    EXPECT_EQ(pick(), QString("aaa.sf2"));
    QFile::remove(first.file("aaa.sf2"));
    EXPECT_EQ(pick(), QString());
}

TEST_F(SoundFontLocatorTest, AFolderNamedLikeAFontIsNoFont) {
    QDir().mkpath(first.file("FluidR3_GM.sf2"));
    first.write("Other.SF2", "sf");
    EXPECT_EQ(pick(), QString("Other.SF2"));
}

TEST(SoundFontLocator, EachCandidateIsListedOnce) {
    TempProgramFolder folder;
    folder.write("TimGM6mb.sf2", "sf");
    folder.write("x.sf2", "sf");
    const QStringList all = SoundFontLocator::candidates({folder.path()});
    EXPECT_EQ(all.count(QDir(folder.path()).filePath("TimGM6mb.sf2")), 1);
    EXPECT_EQ(all.count(QDir(folder.path()).filePath("x.sf2")), 1);
    EXPECT_EQ(SoundFontLocator::firstReadable({}), QString());
}

} // namespace
