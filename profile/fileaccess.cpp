#include "profile/fileaccess.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/filefailures.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFile>
#include <QHash>
#include <QList>

#include <cerrno>
#include <cstring>
#include <mutex>

#include <signal.h>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Profile {
namespace {

QString reasonOf(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString sizeReason(qint64 size)
{
    return QCoreApplication::translate("Files",
                                       "The file holds %1 bytes (%2 MiB); data files of up to %3 MiB are read.")
        .arg(size)
        .arg(double(size) / (1 << 20), 0, 'f', 1)
        .arg(MaxDataFileSize >> 20);
}

struct HeldLock
{
    int fd = -1;
    int count = 0;
    QByteArray lockFile; // set when held by the lock file
};

std::mutex &lockMutex()
{
    static std::mutex m;
    return m;
}

QHash<QByteArray, HeldLock> &heldLocks()
{
    static QHash<QByteArray, HeldLock> held;
    return held;
}

std::function<void()> &lockWait()
{
    static std::function<void()> wait;
    return wait;
}

QByteArray folderOf(const QString &path)
{
    const QByteArray native = QFile::encodeName(path);
    const qsizetype slash = native.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : native.left(slash);
}

} // namespace

int OpenForReading(const QString &path, QString *reason)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *reason = reasonOf(errno);
        return -1;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        *reason = reasonOf(errno);
    } else if (S_ISDIR(st.st_mode)) {
        *reason = reasonOf(EISDIR);
    } else if (!S_ISREG(st.st_mode)) {
        *reason = NotRegularReason();
    } else if (qint64(st.st_size) > MaxDataFileSize) {
        *reason = sizeReason(qint64(st.st_size));
    } else {
        return fd;
    }
    ::close(fd);
    return -1;
}

QString ReadWholeFile(const QString &path, QByteArray *content)
{
    QString reason;
    const int fd = OpenForReading(path, &reason);
    if (fd < 0)
        return reason;
    content->clear();
    struct stat st;
    if (::fstat(fd, &st) == 0)
        content->reserve(qsizetype(st.st_size));
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            reason = reasonOf(errno);
            break;
        }
        if (n == 0)
            break;
        // A file that grows past the bound while it is read.
        if (content->size() + n > MaxDataFileSize) {
            reason = sizeReason(content->size() + n);
            break;
        }
        content->append(buffer, n);
    }
    ::close(fd);
    if (!reason.isEmpty())
        content->clear();
    return reason;
}

QString ForEachIniLineOfFile(const QString &path, const std::function<void(const IniLine &, qint64 at)> &visit,
                             qint64 *size, qsizetype piece)
{
    QString reason;
    const int fd = OpenForReading(path, &reason);
    if (fd < 0)
        return reason;
    qint64 total = 0;
    const auto read = [&](char *to, qint64 room) -> qint64 {
        for (;;) {
            const ssize_t n = ::read(fd, to, size_t(room));
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0) {
                reason = reasonOf(errno);
                return -1;
            }
            // A file that grows past the bound while it is read.
            if (total + n > MaxDataFileSize) {
                reason = sizeReason(total + n);
                return -1;
            }
            total += n;
            return n;
        }
    };
    *size = ForEachIniLineRead(read, visit, piece);
    ::close(fd);
    return reason;
}

namespace {

std::function<int(int, int)> &folderLockCall()
{
    static std::function<int(int, int)> call;
    return call;
}

int lockFolder(int fd, int operation)
{
    return folderLockCall() ? folderLockCall()(fd, operation) : ::flock(fd, operation);
}

QByteArray hostName()
{
    char name[256] = {};
    if (::gethostname(name, sizeof name - 1) != 0)
        return QByteArrayLiteral("?");
    return QByteArray(name);
}

// The lock file's content: "<pid> <host>\n".
QByteArray lockFileContent() { return QByteArray::number(qlonglong(::getpid())) + ' ' + hostName() + '\n'; }

// Whether the lock file at `file` was left by a copy that is gone: one of
// this host whose process is no longer there, or any older than
// LockFileStaleSeconds (another host's processes can't be seen from here,
// and a process id may have been given to another process since).
bool lockFileIsStale(const QByteArray &file, const struct stat &st)
{
    const qint64 age = QDateTime::currentSecsSinceEpoch() - qint64(st.st_mtim.tv_sec);
    if (age > LockFileStaleSeconds)
        return true;
    QByteArray content;
    if (const int fd = ::open(file.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK); fd >= 0) {
        char buffer[512];
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n > 0)
            content = QByteArray(buffer, n);
        ::close(fd);
    }
    const QList<QByteArray> fields = content.trimmed().split(' ');
    bool isNumber = false;
    const qlonglong pid = fields.value(0).toLongLong(&isNumber);
    if (fields.size() == 2 && isNumber && pid > 0 && fields.at(1) == hostName())
        return ::kill(pid_t(pid), 0) != 0 && errno == ESRCH;
    return false;
}

// Takes the lock file of a folder where flock can't be had. Returns 1 when
// taken, 0 when another copy holds it, -1 when it can't be made here (with
// the system's reason in *error).
int takeLockFile(const QByteArray &file, int *error)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd >= 0) {
            const QByteArray content = lockFileContent();
            const bool written = ::write(fd, content.constData(), size_t(content.size())) == content.size();
            ::close(fd);
            if (!written) {
                *error = errno;
                ::unlink(file.constData());
                return -1;
            }
            return 1;
        }
        if (errno != EEXIST) {
            *error = errno;
            return -1;
        }
        struct stat st;
        if (::lstat(file.constData(), &st) != 0)
            continue; // gone meanwhile: try again
        if (!lockFileIsStale(file, st))
            return 0;
        // Removed only while it is still the stale one that was read.
        struct stat again;
        if (::lstat(file.constData(), &again) == 0 && again.st_ino == st.st_ino && again.st_dev == st.st_dev)
            ::unlink(file.constData());
    }
    return 0;
}

} // namespace

FileLock::FileLock(const QString &path)
{
    const QByteArray folder = folderOf(path);
    {
        std::lock_guard guard(lockMutex());
        auto it = heldLocks().find(folder);
        if (it != heldLocks().end()) {
            ++it->count;
            m_folder = folder;
            return;
        }
    }
    const int fd = ::open(folder.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        const QByteArray lockFile = folder + '/' + LockFileName;
        bool byFile = false; // flock can't be had here: the lock file instead
        const quint32 start = Platform::TickCount();
        for (;;) {
            if (!byFile) {
                if (lockFolder(fd, LOCK_EX | LOCK_NB) == 0)
                    break;
                if (errno == EINTR)
                    continue;
                byFile = errno != EWOULDBLOCK;
            }
            if (byFile) {
                int error = 0;
                const int taken = takeLockFile(lockFile, &error);
                if (taken > 0)
                    break;
                if (taken < 0) {
                    ::close(fd);
                    Platform::Notice(
                        QCoreApplication::translate("Files",
                                                    "The folder %1 cannot be locked (%2). Another copy of Tenacio "
                                                    "writing to it at the same time could undo this one's changes.")
                            .arg(QFile::decodeName(folder), reasonOf(error)));
                    RecoverInterruptedWrite(path);
                    return; // written unlocked
                }
            }
            if (Platform::TickCount() - start >= LockWaitMs) {
                ::close(fd);
                FailWrite(path, QCoreApplication::translate("Files", "Another copy of Tenacio is writing to its "
                                                                     "folder; nothing was changed. Try again in a "
                                                                     "moment."));
            }
            if (lockWait())
                lockWait()();
            else
                ::usleep(20000);
        }
        std::lock_guard guard(lockMutex());
        heldLocks().insert(folder, HeldLock{fd, 1, byFile ? lockFile : QByteArray()});
        m_folder = folder;
    }
    RecoverInterruptedWrite(path);
}

FileLock::~FileLock()
{
    if (m_folder.isEmpty())
        return;
    std::lock_guard guard(lockMutex());
    auto it = heldLocks().find(m_folder);
    if (it == heldLocks().end() || --it->count > 0)
        return;
    if (!it->lockFile.isEmpty())
        ::unlink(it->lockFile.constData());
    ::close(it->fd); // lets the lock go
    heldLocks().erase(it);
}

void SetFolderLockCall(std::function<int(int fd, int operation)> call) { folderLockCall() = std::move(call); }

void SetLockWait(std::function<void()> wait) { lockWait() = std::move(wait); }

} // namespace Profile
