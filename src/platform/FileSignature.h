#pragma once
// What identifies one version of a file on disk, to know when a copy held in memory is stale: an
// atomic rewrite always changes the inode, a rewrite in place the times (unless it falls into the
// same tick of the file system's clock).
#include <QString>

#include <sys/stat.h>

struct FileSignature {
    bool exists = false;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec changed{};

    // The signature of the regular file at `path`; a missing file or anything else (a folder, a
    // device) has the signature of no file.
    static FileSignature of(const QString& path);
    bool operator==(const FileSignature& other) const;
};
