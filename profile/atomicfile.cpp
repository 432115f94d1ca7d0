#include "profile/atomicfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <linux/falloc.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary copy of "name" is "name.tenacio-XXXXXX".
constexpr QLatin1String TempInfix{".tenacio-"};
constexpr int TempRandomLength = 6;
// The complete old content of a file being written in place.
constexpr QLatin1String PreviousSuffix{".tenacio-previous"};

QString reasonOf(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

bool isRandomChar(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= 'a' && u <= 'z') || (u >= 'A' && u <= 'Z') || (u >= '0' && u <= '9');
}

QByteArray randomSuffix()
{
    static constexpr char chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QByteArray out(TempRandomLength, Qt::Uninitialized);
    for (char &c : out)
        c = chars[QRandomGenerator::system()->bounded(int(sizeof chars - 1))];
    return out;
}

void removeLeftovers(const QByteArray &dir, const QString &base)
{
    DIR *d = ::opendir(dir.constData());
    if (!d)
        return;
    while (const dirent *entry = ::readdir(d)) {
        const QString name = QFile::decodeName(entry->d_name);
        if (!Profile::IsTemporaryName(name, base))
            continue;
        const QByteArray full = dir + '/' + entry->d_name;
        struct stat st;
        if (::lstat(full.constData(), &st) == 0 && S_ISREG(st.st_mode))
            ::unlink(full.constData());
    }
    ::closedir(d);
}

bool writeAll(int fd, QByteArrayView content, int *error)
{
    const char *p = content.data();
    qsizetype left = content.size();
    while (left > 0) {
        const ssize_t n = ::write(fd, p, size_t(left));
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (n == 0) {
            *error = ENOSPC;
            return false;
        }
        p += n;
        left -= n;
    }
    return true;
}

void syncDirectory(const QByteArray &dir)
{
    const int fd = ::open(dir.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

namespace Profile {

bool IsTemporaryName(QStringView name, QStringView base)
{
    if (name.size() != base.size() + TempInfix.size() + TempRandomLength || !name.startsWith(base))
        return false;
    if (name.sliced(base.size(), TempInfix.size()) != TempInfix)
        return false;
    for (QChar c : name.last(TempRandomLength)) {
        if (!isRandomChar(c))
            return false;
    }
    return true;
}

namespace {

enum class Placing { Replace, CreateOnly };

QByteArray folderOf(const QByteArray &path)
{
    const qsizetype slash = path.lastIndexOf('/');
    if (slash < 0)
        return QByteArrayLiteral(".");
    return slash == 0 ? QByteArrayLiteral("/") : path.left(slash);
}

QByteArray nameOf(const QByteArray &path) { return path.mid(path.lastIndexOf('/') + 1); }

// The file a path stands for: symbolic links followed, every level, to the
// name that is not a link (which need not exist). Empty on failure, with
// the system's reason in *error.
QByteArray resolveLinks(const QByteArray &path, int *error)
{
    QByteArray current = path;
    for (int level = 0; level < 40; ++level) {
        struct stat st;
        if (::lstat(current.constData(), &st) != 0) {
            if (errno == ENOENT)
                return current; // created there, if its folder exists
            *error = errno;
            return {};
        }
        if (!S_ISLNK(st.st_mode))
            return current;
        QByteArray link(qsizetype(st.st_size > 0 ? st.st_size : 255) + 1, Qt::Uninitialized);
        const ssize_t n = ::readlink(current.constData(), link.data(), size_t(link.size()));
        if (n < 0) {
            *error = errno;
            return {};
        }
        if (n >= link.size()) {
            --level; // grew meanwhile: read it again
            continue;
        }
        link.truncate(n);
        current = link.startsWith('/') ? link : folderOf(current) + '/' + link;
    }
    *error = ELOOP;
    return {};
}

bool readAllFrom(int fd, QByteArray *out, int *error)
{
    out->clear();
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            *error = errno;
            return false;
        }
        if (n == 0)
            return true;
        out->append(buffer, n);
    }
}

// Writes content over an open file from its start and cuts it there,
// then syncs it.
bool overwrite(int fd, QByteArrayView content, int *error)
{
    if (::lseek(fd, 0, SEEK_SET) != 0) {
        *error = errno;
        return false;
    }
    if (!writeAll(fd, content, error))
        return false;
    if (::ftruncate(fd, off_t(content.size())) != 0 || ::fsync(fd) != 0) {
        *error = errno;
        return false;
    }
    return true;
}

mode_t currentUmask()
{
    const mode_t mask = ::umask(077);
    ::umask(mask);
    return mask;
}

// A new file beside `target`, named after it, created for this user
// alone (0600) so that nothing it holds is seen by others before it gets
// its final mode.
int createTemporary(const QByteArray &target, QByteArray *temp, int *error)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        *temp = target + TempInfix.data() + randomSuffix();
        const int fd = ::open(temp->constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0)
            return fd;
        if (errno != EEXIST) {
            *error = errno;
            return -1;
        }
    }
    *error = EEXIST;
    return -1;
}

// Writes content to a temporary file, synced, with the given mode, owner
// and group, and renames it to `as` (replacing it or not).
bool placeWhole(const QByteArray &target, const QByteArray &as, QByteArrayView content, mode_t mode,
                const struct stat *owner, Placing placing, int *error)
{
    QByteArray temp;
    const int fd = createTemporary(target, &temp, error);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, content, error);
    if (ok && owner && (owner->st_uid != ::geteuid() || owner->st_gid != ::getegid())
        && ::fchown(fd, owner->st_uid, owner->st_gid) != 0) {
        *error = errno;
        ok = false;
    }
    // Best effort: a file system without modes still takes the content.
    if (ok && ::fchmod(fd, mode) != 0) {
    }
    if (ok && ::fsync(fd) != 0) {
        *error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        *error = errno;
        ok = false;
    }
    if (ok) {
        const int renamed = placing == Placing::Replace
            ? ::rename(temp.constData(), as.constData())
            : ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, as.constData(), RENAME_NOREPLACE);
        if (renamed != 0) {
            *error = errno;
            ok = false;
        }
    }
    if (!ok) {
        ::unlink(temp.constData());
        return false;
    }
    syncDirectory(folderOf(as));
    return true;
}

QByteArray previousOf(const QByteArray &target) { return target + PreviousSuffix.data(); }

// A write in place that was cut short leaves the complete old content
// beside the file; it goes back into the file, and then away.
void recover(const QByteArray &target)
{
    const QByteArray previous = previousOf(target);
    struct stat st;
    if (::lstat(previous.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return;
    const int in = ::open(previous.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0)
        return;
    QByteArray old;
    int error = 0;
    const bool read = readAllFrom(in, &old, &error);
    ::close(in);
    if (!read)
        return;
    const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd >= 0) {
        struct stat now;
        const bool ok = ::fstat(fd, &now) == 0 && S_ISREG(now.st_mode) && overwrite(fd, old, &error);
        ::close(fd);
        if (!ok)
            return; // kept for the next write
    } else if (errno != ENOENT) {
        return;
    }
    ::unlink(previous.constData());
    syncDirectory(folderOf(target));
}

// A file with more than one name (hard links) is written where it is, so
// that every name sees the new content: its complete old content is kept
// beside it first, synced, and goes only once the new content is synced.
// A kill in between leaves that copy for the next write to put back.
bool writeInPlace(const QByteArray &target, QByteArrayView content, int *error)
{
    const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    QByteArray old;
    bool ok = readAllFrom(fd, &old, error);
    if (ok)
        ok = placeWhole(target, previousOf(target), old, 0600, nullptr, Placing::Replace, error);
    if (!ok) {
        ::close(fd);
        return false;
    }
    // Room first, so that a full disk fails before the content is touched.
    if (content.size() > old.size() && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(content.size())) != 0
        && errno != EOPNOTSUPP && errno != ENOSYS) {
        *error = errno;
        ::close(fd);
        ::unlink(previousOf(target).constData());
        return false;
    }
    ok = overwrite(fd, content, error);
    if (!ok) {
        int ignored = 0;
        if (!overwrite(fd, old, &ignored)) {
            ::close(fd);
            return false; // the copy beside it stays for the next write
        }
    }
    ::close(fd);
    ::unlink(previousOf(target).constData());
    syncDirectory(folderOf(target));
    return ok;
}

QString placeFile(const QString &path, QByteArrayView content, Placing placing)
{
    int error = 0;
    const QByteArray target = resolveLinks(QFile::encodeName(path), &error);
    if (target.isEmpty())
        return reasonOf(error);
    const QByteArray dir = folderOf(target);
    struct stat old;
    const bool exists = ::stat(target.constData(), &old) == 0;
    if (exists) {
        if (placing == Placing::CreateOnly)
            return reasonOf(EEXIST);
        if (S_ISDIR(old.st_mode))
            return reasonOf(EISDIR);
        if (!S_ISREG(old.st_mode))
            return NotRegularReason();
        // The user's way to keep a file as it is; root would get past it.
        if ((old.st_mode & 0222) == 0)
            return ReadOnlyReason();
        if (::access(target.constData(), W_OK) != 0)
            return reasonOf(errno);
    }
    removeLeftovers(dir, QFile::decodeName(nameOf(target)));
    recover(target);

    bool ok = false;
    if (exists && old.st_nlink > 1) {
        ok = writeInPlace(target, content, &error);
    } else if (exists) {
        ok = placeWhole(target, target, content, old.st_mode & 07777, &old, placing, &error);
        // Only root may give a file away: a file of another owner or group
        // that this user may write is written where it is, keeping both.
        if (!ok && error == EPERM)
            ok = writeInPlace(target, content, &error);
    } else {
        ok = placeWhole(target, target, content, 0666 & ~currentUmask(), nullptr, placing, &error);
    }
    return ok ? QString() : reasonOf(error);
}

} // namespace

const QString &NotRegularReason()
{
    static const QString reason = QCoreApplication::translate("Files", "The file is not a regular file.");
    return reason;
}

const QString &ReadOnlyReason()
{
    static const QString reason = QCoreApplication::translate("Files", "The file is read-only.");
    return reason;
}

void RecoverInterruptedWrite(const QString &path)
{
    int error = 0;
    const QByteArray target = resolveLinks(QFile::encodeName(path), &error);
    if (!target.isEmpty())
        recover(target);
}

QString ReplaceFile(const QString &path, QByteArrayView content) { return placeFile(path, content, Placing::Replace); }

QString CreateFile(const QString &path, QByteArrayView content)
{
    return placeFile(path, content, Placing::CreateOnly);
}

} // namespace Profile
