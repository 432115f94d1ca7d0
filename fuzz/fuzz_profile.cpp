// Feeds arbitrary bytes to the INI reader as a file, through both kinds of
// access, and to the number conversion; then writes into it and reads back.

#include "platform/platform.h"
#include "profile/profilefile.h"

#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

const QString &scratchPath()
{
    static QTemporaryDir dir;
    static const QString path = dir.filePath(QStringLiteral("fuzz.ini"));
    return path;
}

void check(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    {
        QFile f(scratchPath());
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return 0;
        f.write(bytes);
    }
    qint32 number = 0;
    Profile::ParseNumber(QString::fromUtf8(bytes.left(64)), &number);

    const ProfileFile direct(scratchPath(), ProfileFile::Access::Direct);
    ProfileFile memory(scratchPath(), ProfileFile::Access::InMemory);
    QStringList directNames;
    QStringList memoryNames;
    direct.ListSections(directNames);
    memory.ListSections(memoryNames);
    qsizetype bytesOfNames = 1;
    for (const QString &name : std::as_const(directNames))
        bytesOfNames += name.toUtf8().size() + 1;
    check(bytesOfNames <= ProfileFile::DirectSectionNamesLimit);
    for (const QString &name : std::as_const(directNames)) {
        const QString value = direct.ReadText(name, QStringLiteral("Data"), QString());
        check(value.toUcs4().size() <= ProfileFile::DirectValueLimit);
        direct.ReadNumber(name, QStringLiteral("Total"), 0);
    }
    for (const QString &name : std::as_const(memoryNames)) {
        memory.ReadText(name, QStringLiteral("Res"), QString());
        memory.ReadNumber(name, QStringLiteral("Total"), 0);
    }
    // A write through each kind must read back through the other.
    memory.WriteText(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral("value"));
    memory.WriteBack();
    check(direct.ReadText(QStringLiteral("fuzz"), QStringLiteral("key"), QString()) == QStringLiteral("value"));
    ProfileFile writer(scratchPath(), ProfileFile::Access::Direct);
    writer.WriteText(QStringLiteral("Fuzz"), QStringLiteral("Other"), QStringLiteral("2"));
    const ProfileFile reread(scratchPath(), ProfileFile::Access::InMemory);
    check(reread.ReadNumber(QStringLiteral("FUZZ"), QStringLiteral("OTHER"), 0) == 2);
    return 0;
}
