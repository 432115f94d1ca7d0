// A second copy of the program in the middle of saving a run: it takes the
// lock and loads the results file, says "holding", and once a line comes
// on its input adds its run to what it loaded and writes the file back.
//
//   tenacio_secondcopy FILE SECTION [no-flock]
//
// With no-flock its folder can't be locked with flock, as on a network or
// FUSE file system.

#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <cerrno>
#include <cstdio>
#include <cstring>

int main(int argc, char **argv)
{
    if (argc != 3 && !(argc == 4 && std::strcmp(argv[3], "no-flock") == 0))
        return 2;
    if (argc == 4) {
        Profile::SetFolderLockCall([](int, int) {
            errno = ENOLCK;
            return -1;
        });
    }
    const QString path = QString::fromLocal8Bit(argv[1]);
    try {
        const Profile::FileLock lock(path);
        ProfileFile file(path, ProfileFile::Access::InMemory);
        std::fputs("holding\n", stdout);
        std::fflush(stdout);
        char line[16];
        if (!std::fgets(line, sizeof line, stdin))
            return 3;
        file.WriteText(QString::fromLocal8Bit(argv[2]), QStringLiteral("Total"), QStringLiteral("1"));
        file.WriteBack();
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.text()));
        return 1;
    }
    return 0;
}
