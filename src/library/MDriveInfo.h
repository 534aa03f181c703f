#pragma once
// The roots a search over "every drive" walks: the mount points of the mounted disk file
// systems, in mount order, leaving out virtual ones (proc, sysfs, devtmpfs, tmpfs, cgroup, ...).
#include <QByteArray>
#include <QStringList>

namespace MDriveInfo {
// Mount points of the running system, read from /proc/self/mounts; empty when it is unreadable.
QStringList GetDriveList();
// The same from the text of a mounts table (fstab format: device, mount point, type, ...).
QStringList mountRoots(const QByteArray& mountsTable);
bool isVirtualFileSystem(const QByteArray& type);
// The mount points of the virtual file systems, which a search walking "/" must not enter.
QStringList virtualMountPoints(const QByteArray& mountsTable);
QStringList GetVirtualMountPoints();
} // namespace MDriveInfo
