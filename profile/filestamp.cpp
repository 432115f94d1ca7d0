#include "profile/filestamp.h"

#include <QFile>

#include <sys/stat.h>

namespace Profile {

FileStamp StampOf(const struct stat &st)
{
    FileStamp stamp;
    if (!S_ISREG(st.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.size = qint64(st.st_size);
    stamp.modifiedNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.changedNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.inode = quint64(st.st_ino);
    return stamp;
}

FileStamp StampOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0)
        return FileStamp();
    return StampOf(st);
}

} // namespace Profile
