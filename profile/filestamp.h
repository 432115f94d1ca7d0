#pragma once

// What tells one content of a file from another: a program's write renames
// a new file into place (a new inode), an edit in place changes the size or
// the times.

#include <QString>

struct stat;

namespace Profile {

struct FileStamp
{
    bool exists = false; // a regular file stands at the path
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};

// The stamp of the file at path, symbolic links followed; one that does
// not exist when anything but a regular file (or nothing) is there.
FileStamp StampOf(const QString &path);
FileStamp StampOf(const struct stat &st);

} // namespace Profile
