#include "profile/atomicfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary copy of "name" is "name.tenacio-XXXXXX".
constexpr QLatin1String TempInfix{".tenacio-"};
constexpr int TempRandomLength = 6;

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

QString placeFile(const QString &path, QByteArrayView content, Placing placing)
{
    const QByteArray native = QFile::encodeName(path);
    const QFileInfo info(path);
    const QByteArray dir = QFile::encodeName(info.absolutePath());
    struct stat old;
    const bool exists = ::stat(native.constData(), &old) == 0;
    if (exists) {
        if (placing == Placing::CreateOnly)
            return reasonOf(EEXIST);
        if (S_ISDIR(old.st_mode))
            return reasonOf(EISDIR);
        // The rename would replace a file that may not be written.
        if (::access(native.constData(), W_OK) != 0)
            return reasonOf(errno);
    }
    removeLeftovers(dir, info.fileName());

    QByteArray temp;
    int fd = -1;
    for (int attempt = 0; attempt < 100 && fd < 0; ++attempt) {
        temp = native + TempInfix.data() + randomSuffix();
        fd = ::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd < 0 && errno != EEXIST)
            return reasonOf(errno);
    }
    if (fd < 0)
        return reasonOf(EEXIST);

    // Best effort: a file system without modes still takes the content.
    if (exists && ::fchmod(fd, old.st_mode & 07777) != 0) {
    }
    int error = 0;
    bool ok = writeAll(fd, content, &error);
    if (ok && ::fsync(fd) != 0) {
        error = errno;
        ok = false;
    }
    if (::close(fd) != 0 && ok) {
        error = errno;
        ok = false;
    }
    if (ok) {
        const int renamed = placing == Placing::Replace
            ? ::rename(temp.constData(), native.constData())
            : ::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, native.constData(), RENAME_NOREPLACE);
        if (renamed != 0) {
            error = errno;
            ok = false;
        }
    }
    if (!ok) {
        ::unlink(temp.constData());
        return reasonOf(error);
    }
    syncDirectory(dir);
    return QString();
}

} // namespace

QString ReplaceFile(const QString &path, QByteArrayView content) { return placeFile(path, content, Placing::Replace); }

QString CreateFile(const QString &path, QByteArrayView content)
{
    return placeFile(path, content, Placing::CreateOnly);
}

} // namespace Profile
