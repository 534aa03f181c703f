// Files no user should hand the program, and disks that fail it: each is refused or passed over
// in bounded time and memory, and no data file is left torn.
#include "../score/EngineRig.h"
#include "SaveVersions.h"
#include "core/CIni.h"
#include "library/PlaylistFile.h"
#include "score/AppendTextToFile.h"
#include "score/ScoreFile.h"
#include "score/ScoreInfo.h"

#include <QDir>
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using ScoreFile::ReadError;

QStringList instrumentNames() {
    QStringList names;
    for (int i = 0; i < 128; ++i)
        names << QString::number(i);
    return names;
}

// A file of `size` bytes that holds `head` at its start and `tail` at its end, the rest a hole,
// so that a gigabyte costs no disk.
void writeSparse(const QString& path, qint64 size, const QByteArray& head, const QByteArray& tail) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(head);
    ASSERT_TRUE(file.resize(size));
    file.seek(size - tail.size());
    file.write(tail);
}

TEST(BadInput, AScoreOfAGigabyteIsRefusedAtOnceAndItsInformationReadsOnlyTheTop) {
    EngineRig rig;
    const QString path = rig.folder.file("huge.piano");
    writeSparse(path, qint64(1) << 30, "%5\r\n!D\r\n1+4\r\n", "\r\n1+4\r\n");
    EXPECT_EQ(rig.engine.LoadScore(path, true), 0);
    EXPECT_EQ(rig.messages.texts(),
              QStringList{QStringLiteral("错误：乐谱文件太大（超过 16 MB），无法打开！")});
    QString title;
    EXPECT_EQ(GetScoreInfo(path, instrumentNames(), title),
              QStringLiteral("乐 器：5\r\n音 调：D\r\n"));
}

TEST(BadInput, ASingleRowOfAHundredMegabytesIsRefusedAndOneJustUnderTheLimitLoads) {
    EngineRig rig;
    const QString huge = rig.folder.file("row.piano");
    {
        QFile file(huge);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        const QByteArray megabyte(1 << 20, '1');
        for (int i = 0; i < 100; ++i)
            ASSERT_EQ(file.write(megabyte), megabyte.size());
    }
    EXPECT_EQ(rig.engine.LoadScore(huge, true), 0);
    QString title;
    EXPECT_EQ(GetScoreInfo(huge, instrumentNames(), title), QString());
    QFile::remove(huge);

    // Just under the limit: one silent row of 16 MB, and the last row a note.
    const QByteArray row(ScoreFile::kMaxScoreBytes - 8, 'x');
    EXPECT_EQ(rig.engine.LoadScore(rig.write("long.piano", row + "\r\n1+4"), true), 2);
    EXPECT_EQ(rig.messages.texts().size(), 1);
}

TEST(BadInput, APipeOrADeviceNamedLikeAScoreIsRefusedWithoutWaiting) {
    TempProgramFolder dir;
    const QString fifo = dir.file("pipe.piano");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    // Opening a pipe nobody writes to would block for ever: a watchdog turns a hang into a failure.
    ::alarm(20);
    EXPECT_EQ(ScoreFile::readWhole(fifo).error, ReadError::Unreadable);
    EXPECT_TRUE(ScoreFile::readLeadingRows(fifo, 24, 1024).isEmpty());
    QString title;
    EXPECT_EQ(GetScoreInfo(fifo, instrumentNames(), title), QString());
    EXPECT_EQ(ScoreFile::readWhole(QStringLiteral("/dev/zero")).error, ReadError::Unreadable);
    EXPECT_TRUE(ScoreFile::readLeadingRows(QStringLiteral("/dev/zero"), 24, 1024).isEmpty());
    ::alarm(0);
}

TEST(BadInput, AScoreThatVanishedAfterItWasListedIsReportedAndKeepsTheLoadedOne) {
    EngineRig rig;
    ASSERT_EQ(rig.load(QStringLiteral("1+4\r\n2+4")), 2);
    const QString gone = rig.write("gone.piano", "3+4\r\n");
    QFile::remove(gone);
    EXPECT_EQ(rig.engine.LoadScore(gone, true), 2);
    EXPECT_EQ(rig.messages.texts(),
              QStringList{QStringLiteral("错误：无法读取乐谱文件！请确认文件可以访问！")});
    QString title;
    EXPECT_EQ(GetScoreInfo(gone, instrumentNames(), title), QString());
    EXPECT_EQ(title, QStringLiteral("gone"));
}

// A folder nobody may write in: immutable for the superuser, who ignores permission bits.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& path) : path_(path) {
        if (::geteuid() != 0) {
            active_ = QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::ExeOwner);
            return;
        }
        active_ = setImmutable(true);
    }
    ~ReadOnlyFolder() {
        if (::geteuid() == 0)
            setImmutable(false);
        else
            QFile::setPermissions(path_, QFileDevice::ReadOwner | QFileDevice::WriteOwner |
                                             QFileDevice::ExeOwner);
    }
    bool active() const { return active_; }

private:
    bool setImmutable(bool on) const {
        const int fd = ::open(QFile::encodeName(path_).constData(), O_RDONLY | O_DIRECTORY);
        if (fd < 0) return false;
        int flags = 0;
        bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
        flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
        ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
        ::close(fd);
        return ok;
    }
    QString path_;
    bool active_ = false;
};

TEST(BadInput, SavingIntoAReadOnlyDataFolderFailsAndKeepsTheOldFiles) {
    TempProgramFolder dir;
    const QString folder = dir.file("INI");
    QDir().mkpath(folder);
    ASSERT_TRUE(SaveVersions::save(folder, 0));
    const QByteArray list = dir.read("INI/播放列表.Qor");
    {
        const ReadOnlyFolder readOnly(folder);
        if (!readOnly.active()) GTEST_SKIP() << "this file system cannot make a folder read-only";
        EXPECT_FALSE(SaveVersions::save(folder, 1));
        EXPECT_FALSE(CIni().WriteIniString_(QStringLiteral("a"), QStringLiteral("b"),
                                            QStringLiteral("c"),
                                            folder + QStringLiteral("/新.INI")));
        // What is read afterwards is what is on disk, not what failed to get there.
        EXPECT_EQ(PlaylistFile::load(SaveVersions::playlistPath(folder)).size(), 4000);
    }
    EXPECT_EQ(dir.read("INI/播放列表.Qor"), list);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 2);
}

// The largest file this process may write, as a full disk would bound it.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::getrlimit(RLIMIT_FSIZE, &before_);
        // Past the limit a write fails with EFBIG instead of raising SIGXFSZ.
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limited = before_;
        limited.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &before_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit before_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST(BadInput, AFullDiskDuringASaveKeepsTheOldFilesWholeAndReportsTheFailure) {
    TempProgramFolder dir;
    ASSERT_TRUE(SaveVersions::save(dir.path(), 0));
    const QByteArray list = dir.read("播放列表.Qor");
    const QByteArray settings = dir.read("程序设置.INI");
    {
        const FileSizeLimit full(4096);
        EXPECT_FALSE(SaveVersions::save(dir.path(), 1));
        EXPECT_EQ(PlaylistFile::load(SaveVersions::playlistPath(dir.path())).size(), 4000);
    }
    EXPECT_EQ(dir.read("播放列表.Qor"), list);
    EXPECT_EQ(dir.read("程序设置.INI"), settings);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    // With room again the same save goes through.
    EXPECT_TRUE(SaveVersions::save(dir.path(), 1));
}

TEST(BadInput, ARecordingOntoAFullDeviceIsReportedAsNotWritten) {
    EXPECT_FALSE(AppendTextToFile(QStringLiteral("/dev/full"), QStringLiteral("1+4\r\n")));
}

} // namespace
