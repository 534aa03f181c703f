#include "core/AppPaths.h"
#include "support/TempProgramFolder.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

namespace {

TEST(AppPaths, FoldersEndInASeparator) {
    const AppPaths paths("/opt/tonvale", "/home/u/.local/share/Tonvale/");
    EXPECT_EQ(paths.GetAppPath(), QString("/opt/tonvale/"));
    EXPECT_EQ(paths.dataPath(), QString("/home/u/.local/share/Tonvale/"));
    EXPECT_EQ(paths.iniFile("程序设置", ".INI"), QString("/home/u/.local/share/Tonvale/INI/程序设置.INI"));
    EXPECT_EQ(AppPaths("/", "/").GetAppPath(), QString("/"));
}

TEST(AppPaths, PathExistsStripsQuotesAndFolderExistsWantsAFolder) {
    TempProgramFolder dir;
    dir.write("a b/乐谱.piano", "x");
    const QString file = dir.file("a b/乐谱.piano");
    EXPECT_TRUE(PathExists(file));
    EXPECT_TRUE(PathExists('"' + file + '"'));
    EXPECT_FALSE(PathExists(""));
    EXPECT_FALSE(PathExists("\""));
    EXPECT_FALSE(PathExists(dir.file("missing")));
    EXPECT_TRUE(PathExists(dir.file("a b")));
    EXPECT_TRUE(FolderExists(dir.file("a b")));
    EXPECT_FALSE(FolderExists(file));
    EXPECT_FALSE(FolderExists(""));
}

TEST(AppPaths, WriteDefaultFileFollowsItsOverwriteAndReadOnlyRules) {
    TempProgramFolder dir;
    const QByteArray bytes = DefaultFileBytes(103);
    ASSERT_FALSE(bytes.isEmpty());
    const QString target = dir.file("d.INI");

    WriteDefaultFile(103, target, false, false);
    EXPECT_EQ(dir.read("d.INI"), bytes);
    EXPECT_TRUE(QFile::permissions(target) & QFileDevice::WriteOwner);

    dir.write("d.INI", "mine");
    WriteDefaultFile(103, target, false, false);
    EXPECT_EQ(dir.read("d.INI"), QByteArray("mine"));

    dir.write("d.INI", "");
    WriteDefaultFile(103, target, false, false);
    EXPECT_EQ(dir.read("d.INI"), bytes);

    dir.write("d.INI", "mine");
    WriteDefaultFile(103, target, true, true);
    EXPECT_EQ(dir.read("d.INI"), bytes);
    EXPECT_FALSE(QFile::permissions(target) & QFileDevice::WriteOwner);
    // A read-only default is still replaced at the next start.
    WriteDefaultFile(103, target, true, true);
    EXPECT_EQ(dir.read("d.INI"), bytes);
}

TEST(AppPaths, TheRunningProgramFallsBackToTheUserFolderWhenItsOwnIsReadOnly) {
    const AppPaths paths = AppPaths::forRunningProgram();
    EXPECT_FALSE(paths.GetAppPath().isEmpty());
    EXPECT_TRUE(QDir(paths.dataPath()).exists());
}

} // namespace
