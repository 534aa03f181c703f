#include "library/MDriveInfo.h"

#include <QFile>
#include <QSet>

#include <array>

namespace {

// File systems that hold no files of the user: kernel interfaces, memory-backed scratch space,
// and the desktop's virtual mounts.
constexpr std::array kVirtualTypes = {
    "autofs",   "binder",          "binfmt_misc", "bpf",        "cgroup",     "cgroup2",
    "configfs", "debugfs",         "devfs",       "devpts",     "devtmpfs",   "efivarfs",
    "fusectl",  "fuse.gvfsd-fuse", "fuse.portal", "hugetlbfs",  "mqueue",     "nsfs",
    "proc",     "pstore",          "ramfs",       "rpc_pipefs", "securityfs", "selinuxfs",
    "sysfs",    "tmpfs",           "tracefs",
};

// Mount points write blanks, tabs, line breaks and backslashes as three octal digits ("\040").
QByteArray unescapeOctal(const QByteArray& field) {
    QByteArray out;
    out.reserve(field.size());
    for (qsizetype i = 0; i < field.size(); ++i) {
        const auto isOctal = [&](qsizetype at) {
            return at < field.size() && field[at] >= '0' && field[at] <= '7';
        };
        if (field[i] == '\\' && isOctal(i + 1) && isOctal(i + 2) && isOctal(i + 3)) {
            out += char(((field[i + 1] - '0') << 6) | ((field[i + 2] - '0') << 3) |
                        (field[i + 3] - '0'));
            i += 3;
        } else {
            out += field[i];
        }
    }
    return out;
}

} // namespace

namespace MDriveInfo {

bool isVirtualFileSystem(const QByteArray& type) {
    for (const char* name : kVirtualTypes)
        if (type == name) return true;
    return false;
}

namespace {
// Mount points of the table whose type is virtual (or, with `virtualOnes` false, is not).
QStringList mountPoints(const QByteArray& mountsTable, bool virtualOnes) {
    QStringList roots;
    QSet<QString> seen;
    for (const QByteArray& line : mountsTable.split('\n')) {
        const QList<QByteArray> fields = line.simplified().split(' ');
        if (fields.size() < 3 || isVirtualFileSystem(fields[2]) != virtualOnes) continue;
        const QString root = QFile::decodeName(unescapeOctal(fields[1]));
        if (!root.startsWith(QLatin1Char('/')) || seen.contains(root)) continue;
        seen.insert(root);
        roots.append(root);
    }
    return roots;
}

QByteArray readMountsTable() {
    QFile mounts(QStringLiteral("/proc/self/mounts"));
    if (!mounts.open(QIODevice::ReadOnly)) return {};
    // The kernel reports a size of 0 and hands the table out in pieces; it is read to its end, up
    // to a generous bound.
    QByteArray table;
    while (table.size() < 4 * 1024 * 1024) {
        const QByteArray piece = mounts.read(64 * 1024);
        if (piece.isEmpty()) break;
        table += piece;
    }
    return table;
}
} // namespace

QStringList mountRoots(const QByteArray& mountsTable) {
    return mountPoints(mountsTable, false);
}

QStringList virtualMountPoints(const QByteArray& mountsTable) {
    return mountPoints(mountsTable, true);
}

QStringList GetDriveList() {
    return mountRoots(readMountsTable());
}

QStringList GetVirtualMountPoints() {
    return virtualMountPoints(readMountsTable());
}

} // namespace MDriveInfo
