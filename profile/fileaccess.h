#pragma once

// Reading the data files safely, and keeping two copies of the program
// from writing them at once.

#include "profile/iniline.h"

#include <QByteArray>
#include <QString>

#include <functional>

namespace Profile {

// The largest data file the program reads: far beyond any library or
// history (50,000 stored runs take some 15 MB), so that a file that is not
// one (a link to a device, a sparse giant) can't fill the memory.
inline constexpr qint64 MaxDataFileSize = qint64(512) << 20;

// Opens a file for reading without ever blocking (a FIFO in its place
// would otherwise hang the window) and checks that it is a regular file
// of at most MaxDataFileSize bytes. Returns the open descriptor, or -1
// with the reason: the system's ("No such file or directory", "Is a
// directory"), NotRegularReason, or one naming the size.
int OpenForReading(const QString &path, QString *reason);

// The whole content of a file opened as OpenForReading does. Returns an
// empty text on success, else the reason.
QString ReadWholeFile(const QString &path, QByteArray *content);

// ForEachIniLineRead over a file opened as OpenForReading does, so that a
// large file is never held whole. Returns an empty text on success, with
// *size the bytes read, else the reason as ReadWholeFile gives it.
QString ForEachIniLineOfFile(const QString &path, const std::function<void(const IniLine &, qint64 at)> &visit,
                             qint64 *size, qsizetype piece = IniPiece);

// An exclusive advisory lock (flock) on the folder that holds `path`,
// held while the object lives, around every read-modify-write of a data
// file: whoever holds it reads the file's current content and writes it
// back before another copy of the program may read it for a change. The
// same process may take it again while it holds it. When another copy
// holds it, the lock is tried again (see SetLockWait) for up to
// LockWaitMs by the tick count; then AppError "Unable to write to
// <path>. Another copy of Tenacio is writing to its folder; nothing was
// changed. Try again in a moment." On a file system without such locks
// (a network or FUSE one) the lock is a file of its own beside the data,
// LockFileName, made only if it is not there (O_EXCL) and holding the
// holder's process id and host name; it is another copy's while that
// copy runs. One left by a copy that is gone is taken over: of this host
// when its process is no longer there, and any that is older than
// LockFileStaleSeconds (another host's processes can't be seen, and a
// process id may be given to another process; a write under the lock takes
// a moment, and the margin covers clocks that differ between hosts). Where neither can be
// had, the write goes ahead unlocked and Platform::Notice says so once.
// A write in place killed before it ended is put right once the lock is
// held (RecoverInterruptedWrite).
class FileLock
{
public:
    explicit FileLock(const QString &path);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;

private:
    QByteArray m_folder; // empty: not locked
};

inline constexpr char LockFileName[] = ".tenacio-lock";
inline constexpr qint64 LockFileStaleSeconds = 10 * 60;

inline constexpr quint32 LockWaitMs = 5000;

// What happens between two tries of a lock another copy holds: a pause of
// 20 ms by default. Tests replace it; empty restores the default.
void SetLockWait(std::function<void()> wait);

// How the folder is locked: flock by default. Tests put in a function that
// fails as a file system without such locks does (ENOLCK); empty restores
// flock.
void SetFolderLockCall(std::function<int(int fd, int operation)> call);

} // namespace Profile
