#include "library/WildcardMatch.h"
#include "library/MDriveInfo.h"
#include "support/QuotedText.h"

#include "QStringPrinter.h"

#include <gtest/gtest.h>

namespace {

struct MatchCase {
    const char* pattern;
    const char* name;
    bool caseSensitive;
    bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
    *os << quoted(c.pattern) << " on " << quoted(c.name)
        << (c.caseSensitive ? " matching case" : "");
}

class Wildcards : public testing::TestWithParam<MatchCase> {};

TEST_P(Wildcards, FollowTheUsualRules) {
    const MatchCase& c = GetParam();
    EXPECT_EQ(WildcardMatch(QString::fromUtf8(c.pattern), c.caseSensitive)
                  .matches(QString::fromUtf8(c.name)),
              c.matches)
        << c.pattern << " / " << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, Wildcards,
    testing::Values(
        MatchCase{"*.PIANO", "a.piano", false, true}, MatchCase{"*.PIANO", "B.PIANO", false, true},
        MatchCase{"*.PIANO", "c.txt", false, false}, MatchCase{"*.PIANO", "a.piano", true, false},
        MatchCase{"*.PIANO", "x.piano.bak", false, false},
        MatchCase{"*.PIANO", ".PIANO", false, true},
        MatchCase{"*.PIANO", "虞美人.piano", false, true}, MatchCase{"a?c", "abc", true, true},
        MatchCase{"a?c", "ac", true, false}, MatchCase{"song#", "song7", true, true},
        MatchCase{"song#", "songx", true, false}, MatchCase{"[abc]*", "bz", true, true},
        MatchCase{"[abc]*", "dz", true, false}, MatchCase{"[a-c]x", "Bx", false, true},
        MatchCase{"[a-c]x", "Bx", true, false}, MatchCase{"[!0-9]*", "7x", true, false},
        MatchCase{"[!0-9]*", "x7", true, true}, MatchCase{"a[b", "a[b", true, true},
        MatchCase{"**a", "xxa", true, true}, MatchCase{"*a*b*c", "aXbXbYc", true, true},
        MatchCase{"*a*b*c", "aXcXb", true, false}, MatchCase{"", "", true, true},
        MatchCase{"", "x", true, false}, MatchCase{"*", "", true, true},
        MatchCase{"*.*", "noext", true, false}));

TEST(Wildcards, ALongHopelessNameIsRejectedQuickly) {
    const QString name = QString(20000, 'a');
    EXPECT_FALSE(WildcardMatch("*a*a*a*a*a*a*b", true).matches(name));
}

TEST(MDriveInfo, KeepsDiskMountsInOrderAndLeavesVirtualOnesOut) {
    const QByteArray table = "sysfs /sys sysfs rw 0 0\n"
                             "proc /proc proc rw 0 0\n"
                             "/dev/sda1 / ext4 rw 0 0\n"
                             "udev /dev devtmpfs rw 0 0\n"
                             "tmpfs /run tmpfs rw 0 0\n"
                             "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                             "/dev/sdb1 /media/My\\040Disk vfat rw 0 0\n"
                             "overlay /var/lib/x overlay rw 0 0\n"
                             "/dev/sda1 / ext4 rw 0 0\n"
                             "garbage\n"
                             "\n"
                             "server:/export /net/home nfs4 rw 0 0\n";
    EXPECT_EQ(MDriveInfo::mountRoots(table),
              QStringList({"/", "/media/My Disk", "/var/lib/x", "/net/home"}));
    EXPECT_EQ(MDriveInfo::virtualMountPoints(table),
              QStringList({"/sys", "/proc", "/dev", "/run", "/sys/fs/cgroup"}));
}

TEST(MDriveInfo, TheRunningSystemHasARoot) {
    const QStringList roots = MDriveInfo::GetDriveList();
    for (const QString& root : roots)
        EXPECT_TRUE(root.startsWith('/')) << qPrintable(root);
    EXPECT_FALSE(roots.contains("/proc"));
    EXPECT_FALSE(roots.contains("/sys"));
    EXPECT_TRUE(MDriveInfo::GetVirtualMountPoints().contains("/proc"));
}

} // namespace
