#include "profile/fileaccess.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>

#include <cerrno>
#include <cstring>
#include <mutex>

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
        const quint32 start = Platform::TickCount();
        for (;;) {
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                break;
            if (errno == EINTR)
                continue;
            if (errno != EWOULDBLOCK) {
                ::close(fd); // no such locks here: unlocked
                return;
            }
            if (Platform::TickCount() - start >= LockWaitMs) {
                ::close(fd);
                throw AppError(
                    QCoreApplication::translate("Files",
                                                "Unable to write to %1. Another copy of Tenacio is writing to its "
                                                "folder; nothing was changed. Try again in a moment.")
                        .arg(path));
            }
            if (lockWait())
                lockWait()();
            else
                ::usleep(20000);
        }
        std::lock_guard guard(lockMutex());
        heldLocks().insert(folder, HeldLock{fd, 1});
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
    ::close(it->fd); // lets the lock go
    heldLocks().erase(it);
}

void SetLockWait(std::function<void()> wait) { lockWait() = std::move(wait); }

} // namespace Profile
