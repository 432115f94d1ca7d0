// A second copy of the program in the middle of saving a run: it takes the
// lock and loads the results file, says "holding", and once a line comes
// on its input adds its run to what it loaded and writes the file back.
// Given a key and a value, it sets that key of the section instead (a
// second copy's OK in its options).
//
//   tenacio_secondcopy FILE SECTION [KEY VALUE] [no-flock]
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
    const bool noFlock = argc > 3 && std::strcmp(argv[argc - 1], "no-flock") == 0;
    const int given = noFlock ? argc - 1 : argc;
    if (given != 3 && given != 5)
        return 2;
    if (noFlock) {
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
        const QString key = given == 5 ? QString::fromLocal8Bit(argv[3]) : QStringLiteral("Total");
        const QString value = given == 5 ? QString::fromLocal8Bit(argv[4]) : QStringLiteral("1");
        file.WriteText(QString::fromLocal8Bit(argv[2]), key, value);
        file.WriteBack();
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Text()));
        return 1;
    }
    return 0;
}
