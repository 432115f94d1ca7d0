// Direct reads against the in-memory copy of the same bytes: every
// section name and every value that direct access answers is the copy's,
// trimmed, without one pair of enclosing quotes and cut at 2,047
// characters; the name list holds what fits in 16,384 bytes and no more.
//
// The input is one byte, then the file. The byte bounds a partial name
// list. A short file can't reach the limit of the name list: so one in 64
// files (by a checksum of their bytes) that are one long line (at least
// 128 bytes, at most 2 line breaks, the last at its end) is repeated until
// its names pass the limit, and then only the name list is checked. A
// checksum, not a flag, keeps such slow files rare: the fuzzer's changes
// to one of them seldom make another.

#include "fuzz/reference.h"
#include "platform/platform.h"
#include "profile/bytetext.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"

#include <algorithm>

namespace {

const QString Unset = QStringLiteral("\n"); // no stored value holds a line break

// FNV-1a, the same in every run.
quint32 checksum(QByteArrayView bytes)
{
    quint32 hash = 2166136261u;
    for (const char c : bytes)
        hash = (hash ^ quint8(c)) * 16777619u;
    return hash;
}

// The names that direct access may return for the copy's names: all that
// fit with their terminators and a final one in the limit; of the first
// that does not, as many whole characters as fit (none: no name).
QStringList namesThatFit(const Profile::Copy &copy)
{
    QStringList out;
    qsizetype room = ProfileFile::DirectSectionNamesLimit - 1; // the final terminator
    for (const Profile::CopySection &section : copy.sections) {
        const QString &name = section.name;
        const qsizetype bytes = Reference::EncodedSize(name);
        if (bytes + 1 <= room) {
            out.append(name);
            room -= bytes + 1;
            continue;
        }
        const QString fits = Reference::FirstCharactersIn(name, room - 1);
        if (!fits.isEmpty())
            out.append(fits);
        break;
    }
    return out;
}

// What the in-memory copy answers: the first section of the name, in it
// the first line with the key before its first "=", in any letter case.
QString copyValue(const Profile::Copy &copy, const QString &section, const QString &key)
{
    for (const Profile::CopySection &s : copy.sections) {
        if (s.name.compare(section, Qt::CaseInsensitive) != 0)
            continue;
        for (const QString &line : s.lines) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq >= 0 && QStringView(line).first(eq).compare(key, Qt::CaseInsensitive) == 0)
                return line.mid(eq + 1);
        }
        return Unset;
    }
    return Unset;
}

bool copyHas(const Profile::Copy &copy, const QString &section)
{
    return std::any_of(copy.sections.cbegin(), copy.sections.cend(), [&](const Profile::CopySection &s) {
        return s.name.compare(section, Qt::CaseInsensitive) == 0;
    });
}

void checkValue(const ProfileFile &direct, const Profile::Copy &copy, const QString &section, const QString &key,
                bool number = false)
{
    const QString stored = copyValue(copy, section, key);
    const QString answer = direct.ReadText(section, key, Unset);
    FUZZ_CHECK(answer == (stored == Unset ? Unset : Reference::DirectValue(stored)));
    if (stored != Unset) {
        FUZZ_CHECK(Profile::DirectValue(stored) == answer);
        FUZZ_CHECK(Profile::Trimmed(stored) == Reference::Trimmed(stored));
    }
    if (number)
        FUZZ_CHECK(direct.ReadNumber(section, key, -77)
                   == Reference::Number(answer == Unset ? QString() : answer).value_or(-77));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1)
        return 0;
    const int partial = data[0];
    QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    // A copy that ends its last line and has no byte-order mark: the
    // repeated file has its sections that many times over.
    const bool repeated = bytes.size() >= 128 && checksum(bytes) % 64 == 0 && bytes.count('\n') + bytes.count('\r') <= 2
                          && (bytes.endsWith('\n') || bytes.endsWith('\r')) && !bytes.startsWith("\xEF\xBB\xBF");
    Profile::Copy copy = Profile::LoadCopy(bytes);
    if (repeated) {
        const qsizetype times = ProfileFile::DirectSectionNamesLimit / bytes.size() + 2;
        QByteArray copies;
        copies.reserve(bytes.size() * times);
        for (qsizetype i = 0; i < times; ++i)
            copies += bytes;
        bytes = copies;
        const QVector<Profile::CopySection> one = copy.sections;
        for (qsizetype i = 1; i < times; ++i)
            copy.sections += one;
    }
    const QString path = QStringLiteral("memory:/direct.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        const ProfileFile direct(path, ProfileFile::Access::Direct);
        FUZZ_CHECK(repeated || direct.Recognisable() == copy.recognisable);
        FUZZ_CHECK(repeated || direct.ReadProblem().isEmpty() == copy.recognisable);

        QStringList names;
        direct.ListSections(names);
        FUZZ_CHECK(names == namesThatFit(copy));
        qsizetype bytesOfNames = 1;
        for (const QString &name : std::as_const(names))
            bytesOfNames += Reference::EncodedSize(name) + 1;
        FUZZ_CHECK(bytesOfNames <= ProfileFile::DirectSectionNamesLimit);
        QStringList first{QStringLiteral("stale")};
        direct.ListSections(first, partial);
        FUZZ_CHECK(first == names.mid(0, partial));

        // The first keys of the first sections, one of them also in other
        // letter case, and a key and a section that are not there.
        for (qsizetype s = 0; s < copy.sections.size() && s < 6 && !repeated; ++s) {
            const QString &section = copy.sections[s].name;
            FUZZ_CHECK(direct.HasSection(section));
            FUZZ_CHECK(direct.HasSection(section.toUpper()) == copyHas(copy, section.toUpper()));
            for (qsizetype k = 0; k < copy.sections[s].lines.size() && k < 3; ++k) {
                const QString &line = copy.sections[s].lines[k];
                const qsizetype eq = line.indexOf(u'=');
                const QString key = eq < 0 ? line : line.left(eq);
                checkValue(direct, copy, section, key, k == 0);
                if (k == 0)
                    checkValue(direct, copy, section.toLower(), key.toUpper());
            }
            checkValue(direct, copy, section, QStringLiteral("no such key"));
        }
        checkValue(direct, copy, QStringLiteral("no such section"), QStringLiteral("Data"), true);

        // A direct write into the bytes: read back, or refused with the
        // bytes kept. (For one file in eight: each write parses again.)
        if (!repeated && data[0] % 8 == 0) {
            bool refused = false;
            try {
                ProfileFile(path, ProfileFile::Access::Direct)
                    .WriteText(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral("1"));
            } catch (const AppError &) {
                refused = true;
            }
            FUZZ_CHECK(refused == !copy.recognisable);
            FUZZ_CHECK(refused ? Profile::MemoryFile(path) == bytes
                               : direct.ReadNumber(QStringLiteral("fuzz"), QStringLiteral("key"), 0) == 1);
        }
    }
    Profile::RemoveMemoryFiles();
    return 0;
}
