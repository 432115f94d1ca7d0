// The section index behind Modules::ReadModule, AllModuleNames and
// AddModule: for any bytes, the names and the places of the sections'
// lines are those a plain reading of the lines finds, the file is
// recognisable as the loading rules say, the Modules read through the index
// are those in-memory access reads, and a Module added goes at the end
// with every byte before it kept, or is refused with the file kept.

#include "fuzz/reference.h"
#include "library/modules.h"
#include "platform/platform.h"
#include "profile/bytetext.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "profile/sectionindex.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

// A path in a folder of our own, held in memory: the lock that AddModule
// takes is the folder's.
const QString &filePath()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tenacio-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tenacio-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("modules.ini"));
    return path;
}

struct Body
{
    QByteArray name;
    qint64 start = 0; // after the header line
    qint64 end = 0;   // at the next header line, or the end of the file
};

// Line by line: a line ends at CR, LF or CR LF; a trimmed line "[" name
// "]" is a header, whose section's lines run from the next line to the
// next header.
QList<Body> bodies(QByteArrayView data)
{
    QList<Body> out;
    const qint64 size = data.size();
    qint64 at = data.startsWith(QByteArrayView("\xEF\xBB\xBF", 3)) ? 3 : 0;
    while (at < size) {
        qint64 end = at;
        while (end < size && data[end] != '\r' && data[end] != '\n')
            ++end;
        qint64 next = end;
        if (next < size)
            next += data[next] == '\r' && next + 1 < size && data[next + 1] == '\n' ? 2 : 1;
        const QByteArrayView line = Reference::Trimmed(data.sliced(at, end - at));
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            if (!out.isEmpty())
                out.last().end = at;
            out.append(Body{Reference::Trimmed(line.sliced(1, line.size() - 2)).toByteArray(), next, next});
        }
        at = next;
    }
    if (!out.isEmpty())
        out.last().end = size;
    return out;
}

QStringList inMemoryNames(const QString &path)
{
    QStringList names;
    ProfileFile(path, ProfileFile::Access::InMemory).ListSections(names);
    return names;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString &path = filePath();
    const Reference::File expected = Reference::Load(bytes);
    const QList<Body> places = bodies(bytes);
    FUZZ_CHECK(places.size() == expected.sections.size());

    Profile::SetMemoryFile(path, bytes);
    const auto index = Profile::IndexSections(path);
    FUZZ_CHECK(index->exists && index->problem.isEmpty());
    FUZZ_CHECK(index->recognisable == expected.recognisable);
    FUZZ_CHECK(index->sections.size() == places.size());
    QStringList names;
    for (qsizetype i = 0; i < index->sections.size(); ++i) {
        const Profile::IndexedSection &section = index->sections[i];
        FUZZ_CHECK(Profile::EncodeText(section.name) == places[i].name);
        FUZZ_CHECK(section.bodyStart == places[i].start);
        FUZZ_CHECK(section.bodyEnd == places[i].end);
        names.append(section.name);
    }
    FUZZ_CHECK(Modules::ListModuleNames(path) == names);
    FUZZ_CHECK(Modules::AllModuleNames(path) == names);
    FUZZ_CHECK(inMemoryNames(path) == names);

    // The Elements read through the index are those of a whole read.
    QStringList read;
    for (const QString &name : std::as_const(names)) {
        if (read.contains(name, Qt::CaseInsensitive) || read.size() == 8)
            continue;
        read.append(name);
        const ProfileFile whole(path, ProfileFile::Access::InMemory);
        FUZZ_CHECK(Modules::ReadModule(path, name).Elements.ToStringList()
                   == Modules::ElementList(whole.ReadText(name, Modules::DataKey, QString())).ToStringList());
    }

    // A Module added: at the end, the bytes before it kept; or refused, and
    // the file kept whole.
    const QString added = Modules::FreeName(QStringLiteral("Added"), names);
    bool refused = false;
    try {
        Modules::AddModule(path, added, {QStringLiteral("one"), QStringLiteral("two")});
    } catch (const AppError &) {
        refused = true;
    }
    const QByteArray after = Profile::MemoryFile(path);
    FUZZ_CHECK(refused == !expected.recognisable);
    if (refused) {
        FUZZ_CHECK(after == bytes);
    } else {
        FUZZ_CHECK(after.startsWith(bytes));
        FUZZ_CHECK(Modules::AllModuleNames(path) == names + QStringList{added});
        FUZZ_CHECK(Modules::ReadModule(path, added).Elements.ToStringList()
                   == QStringList({QStringLiteral("one"), QStringLiteral("two")}));
    }
    Profile::RemoveMemoryFiles();
    return 0;
}
