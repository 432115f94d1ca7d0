// A second copy of the program in the middle of saving a run: it takes the
// lock and loads the results file, says "holding", and once a line comes
// on its input adds its run to what it loaded and writes the file back.
//
//   tenacio_secondcopy FILE SECTION

#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 3)
        return 2;
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
