#include "profile/bytecopy.h"

#include <QtGlobal>

#include <unistd.h>

namespace Profile {

bool WriteAll(int fd, QByteArrayView content, int *error)
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

// Copies the first `length` bytes of `from` to `to` at its file position,
// inside the kernel: a file system that can shares the blocks (btrfs,
// XFS), others copy them without their passing through the program; a
// read and write loop where the kernel can do neither.
bool CopyBytes(int from, int to, qint64 length, int *error)
{
    loff_t offset = 0;
    bool inKernel = true;
    while (offset < length) {
        ssize_t n = 0;
        if (inKernel) {
            n = ::copy_file_range(from, &offset, to, nullptr, size_t(length - offset), 0);
            if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP)) {
                inKernel = false;
                continue;
            }
        } else {
            char buffer[65536];
            n = ::pread(from, buffer, size_t(qMin<qint64>(qint64(sizeof buffer), length - offset)), off_t(offset));
            if (n > 0) {
                if (!WriteAll(to, QByteArrayView(buffer, n), error))
                    return false;
                offset += n;
            }
        }
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            *error = n == 0 ? FileChangedError : errno; // n == 0: the file got shorter
            return false;
        }
    }
    return true;
}

} // namespace Profile
