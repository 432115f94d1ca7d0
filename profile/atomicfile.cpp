#include "profile/atomicfile.h"

#include "profile/bytecopy.h"
#include "profile/filestamp.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QRandomGenerator>

#include <cerrno>
#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <linux/falloc.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A temporary copy of "name" is "name.tenacio-XXXXXX".
constexpr QLatin1String TempInfix{".tenacio-"};
constexpr int TempRandomLength = 6;
// The complete old content of a file being written in place.
constexpr QLatin1String PreviousSuffix{".tenacio-previous"};

// The error for "the file is no longer the one stamped": try again.
constexpr int FileChanged = Profile::FileChangedError;

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

// What a new content is: the first `kept` bytes of the file it replaces,
// then `added`.
struct Content
{
    qint64 kept = 0;
    QByteArrayView added;
    const Profile::ContentPieces *pieces = nullptr; // made while written, instead of added
};

// Writes what content adds at the file's position; *written is its size.
bool writeAdded(int fd, const Content &content, qint64 *written, int *error)
{
    if (!content.pieces) {
        *written = content.added.size();
        return Profile::WriteAll(fd, content.added, error);
    }
    *written = 0;
    *error = 0;
    const bool ok = (*content.pieces)([&](QByteArrayView piece) {
        if (!Profile::WriteAll(fd, piece, error))
            return false;
        *written += piece.size();
        return true;
    });
    if (!ok && *error == 0)
        *error = EIO; // the maker of the pieces gave up without a reason of the system's
    return ok;
}

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

// Writes content over an open file, whose first content.kept bytes stay
// where they are, and cuts it there; then syncs it.
bool overwrite(int fd, const Content &content, int *error)
{
    if (::lseek(fd, off_t(content.kept), SEEK_SET) != off_t(content.kept)) {
        *error = errno;
        return false;
    }
    qint64 written = 0;
    if (!writeAdded(fd, content, &written, error))
        return false;
    if (::ftruncate(fd, off_t(content.kept + written)) != 0 || ::fsync(fd) != 0) {
        *error = errno;
        return false;
    }
    return true;
}

// Writes the whole content of the file `saved` over an open file, cut
// there and synced.
bool putBack(const QByteArray &saved, int fd, int *error)
{
    const int in = ::open(saved.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
    if (in < 0) {
        *error = errno;
        return false;
    }
    struct stat st;
    bool ok = ::fstat(in, &st) == 0 && ::lseek(fd, 0, SEEK_SET) == 0;
    if (!ok)
        *error = errno;
    ok = ok && Profile::CopyBytes(in, fd, qint64(st.st_size), error);
    ::close(in);
    return ok && overwrite(fd, Content{qint64(st.st_size), {}}, error);
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
// and group, and renames it to `as` (replacing it or not). The kept bytes
// come from the open file `old`.
bool placeWhole(const QByteArray &target, const QByteArray &as, const Content &content, int old, mode_t mode,
                const struct stat *owner, Placing placing, int *error)
{
    QByteArray temp;
    const int fd = createTemporary(target, &temp, error);
    if (fd < 0)
        return false;
    qint64 written = 0;
    bool ok = Profile::CopyBytes(old, fd, content.kept, error) && writeAdded(fd, content, &written, error);
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

// Which file a copy of old content belongs to: the file's device, inode
// and birth time (where the file system keeps one), which a write in place
// keeps and a file put there anew (by a sync tool, a restored backup, a
// rename) does not. Empty when the file is not there.
QByteArray identityOf(const QByteArray &target)
{
    struct statx st;
    if (::statx(AT_FDCWD, target.constData(), AT_SYMLINK_NOFOLLOW, STATX_INO | STATX_BTIME, &st) != 0)
        return {};
    QByteArray id = QByteArray::number(st.stx_dev_major) + '.' + QByteArray::number(st.stx_dev_minor) + '-'
                    + QByteArray::number(qulonglong(st.stx_ino));
    if (st.stx_mask & STATX_BTIME)
        id += '-' + QByteArray::number(qlonglong(st.stx_btime.tv_sec)) + '.' + QByteArray::number(st.stx_btime.tv_nsec);
    return id;
}

// The copy of a file's old content is named after the file and its
// identity: "<file>.tenacio-previous-<identity>".
QByteArray previousOf(const QByteArray &target, const QByteArray &identity)
{
    return target + PreviousSuffix.data() + '-' + identity;
}

bool isPreviousName(const QByteArray &name, const QByteArray &base)
{
    const QByteArray plain = base + PreviousSuffix.data();
    return name == plain || name.startsWith(QByteArray(plain + '-'));
}

// A write in place that was cut short leaves the complete old content
// beside the file; it goes back into the file, and then away. Only the
// copy made for this very file is put back: one made for another file of
// that name (brought by a sync tool or a restored backup) could undo runs
// saved since. A copy without an identity, as older versions made them,
// is never put back either: it looks the same whether it was left by a
// write cut short or brought stale, as the file begins with its bytes in
// both cases, and putting back a stale one loses what was saved since,
// whereas leaving a right one loses nothing (the file's first bytes are
// whole, and the copy stays). A copy left is said once. Returns the
// system's reason when this file's copy could not be put back.
QString recover(const QByteArray &target)
{
    const QByteArray dir = folderOf(target);
    const QByteArray base = nameOf(target);
    QList<QByteArray> copies;
    if (DIR *d = ::opendir(dir.constData())) {
        while (const dirent *entry = ::readdir(d)) {
            if (isPreviousName(entry->d_name, base))
                copies.append(entry->d_name);
        }
        ::closedir(d);
    }
    if (copies.isEmpty())
        return QString();
    const QByteArray identity = identityOf(target);
    const QByteArray mine = identity.isEmpty() ? QByteArray() : nameOf(previousOf(target, identity));
    for (const QByteArray &name : copies) {
        const QByteArray previous = dir + '/' + name;
        struct stat st;
        if (::lstat(previous.constData(), &st) != 0 || !S_ISREG(st.st_mode))
            continue;
        if (name != mine) {
            const QString why = name == base + PreviousSuffix.data()
                                    ? QCoreApplication::translate("Files", "it does not say which file it was made "
                                                                           "for (an older version of Tenacio made it).")
                                    : QCoreApplication::translate("Files", "it was made for another file of that "
                                                                           "name, such as one a sync tool or a backup "
                                                                           "brought.");
            Platform::Notice(
                QCoreApplication::translate("Files",
                                            "The recovery copy %1 was not put back into %2 and is left as it is: %3")
                    .arg(QFile::decodeName(previous), QFile::decodeName(target), why));
            continue;
        }
        int error = 0;
        const int fd = ::open(target.constData(), O_WRONLY | O_CLOEXEC | O_NONBLOCK);
        if (fd < 0)
            return reasonOf(errno); // kept for the next write
        struct stat now;
        const bool ok = ::fstat(fd, &now) == 0 && S_ISREG(now.st_mode) && putBack(previous, fd, &error);
        if (!ok && error == 0)
            error = errno;
        ::close(fd);
        if (!ok)
            return reasonOf(error); // kept for the next write
        ::unlink(previous.constData());
        syncDirectory(dir);
    }
    return QString();
}

// A file with more than one name (hard links) is written where it is, so
// that every name sees the new content: its complete old content is kept
// beside it first, synced, and goes only once the new content is synced.
// A kill in between leaves that copy for the next write to put back. The
// kept bytes of the content stay where they are: the file must still be
// the one `old` describes.
bool writeInPlace(const QByteArray &target, const Content &content, const struct stat &old, int *error)
{
    const int fd = ::open(target.constData(), O_RDWR | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        *error = errno;
        return false;
    }
    struct stat st;
    if (::fstat(fd, &st) != 0) {
        *error = errno;
        ::close(fd);
        return false;
    }
    if (content.kept > 0 && (st.st_ino != old.st_ino || st.st_size != old.st_size)) {
        *error = FileChanged;
        ::close(fd);
        return false;
    }
    const qint64 oldSize = qint64(st.st_size);
    const qint64 newSize = content.kept + content.added.size();
    const QByteArray identity = identityOf(target);
    if (identity.isEmpty()) {
        *error = errno;
        ::close(fd);
        return false;
    }
    const QByteArray previous = previousOf(target, identity);
    if (!placeWhole(target, previous, Content{oldSize, {}}, fd, 0600, nullptr, Placing::Replace, error)) {
        ::close(fd);
        return false;
    }
    // Room first, so that a full disk fails before the content is touched.
    if (newSize > oldSize && ::fallocate(fd, FALLOC_FL_KEEP_SIZE, 0, off_t(newSize)) != 0 && errno != EOPNOTSUPP
        && errno != ENOSYS) {
        *error = errno;
        ::close(fd);
        ::unlink(previous.constData());
        return false;
    }
    bool ok = overwrite(fd, content, error);
    if (!ok) {
        int ignored = 0;
        if (!putBack(previous, fd, &ignored)) {
            ::close(fd);
            return false; // the copy beside it stays for the next write
        }
    }
    ::close(fd);
    ::unlink(previous.constData());
    syncDirectory(folderOf(target));
    return ok;
}

// Places content at path; with `expected`, only while the file is still
// the one it stamps (else FileChanged), and the content's kept bytes are
// that file's.
QString placeFile(const QString &path, const Content &content, Placing placing,
                  const Profile::FileStamp *expected = nullptr)
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
    const QString notRecovered = recover(target);
    if (!notRecovered.isEmpty())
        return notRecovered;

    // The file whose first bytes the content keeps, still the one stamped.
    int kept = -1;
    if (expected) {
        if (!exists || ::stat(target.constData(), &old) != 0 || Profile::StampOf(old) != *expected)
            return reasonOf(FileChanged);
        kept = ::open(target.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOFOLLOW);
        struct stat st;
        if (kept < 0 || ::fstat(kept, &st) != 0 || st.st_ino != old.st_ino || st.st_size != old.st_size) {
            if (kept >= 0)
                ::close(kept);
            return reasonOf(FileChanged);
        }
    }

    bool ok = false;
    if (exists && old.st_nlink > 1) {
        ok = writeInPlace(target, content, old, &error);
    } else if (exists) {
        ok = placeWhole(target, target, content, kept, old.st_mode & 07777, &old, placing, &error);
        // Only root may give a file away: a file of another owner or group
        // that this user may write is written where it is, keeping both.
        if (!ok && error == EPERM)
            ok = writeInPlace(target, content, old, &error);
    } else {
        ok = placeWhole(target, target, content, kept, 0666 & ~currentUmask(), nullptr, placing, &error);
    }
    if (kept >= 0)
        ::close(kept);
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

QString RecoveryCopyOf(const QString &path)
{
    int error = 0;
    const QByteArray target = resolveLinks(QFile::encodeName(path), &error);
    const QByteArray identity = target.isEmpty() ? QByteArray() : identityOf(target);
    return identity.isEmpty() ? QString() : QFile::decodeName(previousOf(target, identity));
}

const QString &ChangedReason()
{
    static const QString reason = reasonOf(FileChanged);
    return reason;
}

QString ReplaceFile(const QString &path, QByteArrayView content)
{
    return placeFile(path, Content{0, content}, Placing::Replace);
}

QString ReplaceFileWith(const QString &path, const ContentPieces &pieces)
{
    return placeFile(path, Content{0, {}, &pieces}, Placing::Replace);
}

QString ReplaceFileAppending(const QString &path, const FileStamp &expected, QByteArrayView added)
{
    return placeFile(path, Content{expected.size, added}, Placing::Replace, &expected);
}

QString CreateFile(const QString &path, QByteArrayView content)
{
    return placeFile(path, Content{0, content}, Placing::CreateOnly);
}

} // namespace Profile
