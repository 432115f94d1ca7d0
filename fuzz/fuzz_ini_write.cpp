// Writes through both kinds of access on a real file (on /dev/shm when it
// is there): after each, a fresh read gives what was written, every other
// section, key and value is as it was, a direct write changes no byte
// outside its line, a file the program can't make sense of is refused and
// kept byte for byte, and no temporary file is left beside it.
//
// The input is a few operations, each a byte and its names, then the
// file's first content.

#include "fuzz/reference.h"
#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/bytetext.h"
#include "profile/profilefile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <algorithm>

namespace {

const QString Unset = QStringLiteral("\n");
constexpr qsizetype FirstReadChunk = qsizetype(256) << 10; // direct access's first read

const QString &filePath()
{
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/tenacio-fuzz-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/tenacio-fuzz-XXXXXX"));
    static const QString path = dir.filePath(QStringLiteral("f.ini"));
    return path;
}

QByteArray readFile()
{
    QFile file(filePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A hand edit: the file replaced by other bytes.
void editFile(const QByteArray &bytes)
{
    QFile::remove(filePath());
    QFile file(filePath());
    FUZZ_CHECK(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size());
}

// The files beside ours, other than ours.
QStringList others()
{
    const QFileInfo info(filePath());
    QStringList names = QDir(info.absolutePath()).entryList(QDir::Files | QDir::Hidden | QDir::System);
    names.removeAll(info.fileName());
    return names;
}

QString oneLine(QString text)
{
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

qsizetype findSection(const Profile::Copy &copy, const QString &name)
{
    for (qsizetype i = 0; i < copy.sections.size(); ++i) {
        if (sameName(copy.sections[i].name, name))
            return i;
    }
    return -1;
}

// The copy after a write of key=value into a section: an existing key
// keeps its place and spelling, a new key goes to the end of its section,
// a new section to the end of the file.
Profile::Copy afterWrite(Profile::Copy copy, const QString &section, const QString &key, const QString &value)
{
    const qsizetype s = findSection(copy, section);
    if (s < 0) {
        copy.sections.append(Profile::CopySection{section, {key + u'=' + value}});
        return copy;
    }
    QVector<QString> &lines = copy.sections[s].lines;
    for (QString &line : lines) {
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0 && sameName(line.left(eq), key)) {
            line = line.left(eq + 1) + value;
            return copy;
        }
    }
    lines.append(key + u'=' + value);
    return copy;
}

Profile::Copy afterDelete(Profile::Copy copy, const QString &section)
{
    const qsizetype s = findSection(copy, section);
    if (s >= 0)
        copy.sections.removeAt(s);
    return copy;
}

bool sameCopy(const Profile::Copy &a, const Profile::Copy &b)
{
    if (a.sections.size() != b.sections.size())
        return false;
    for (qsizetype i = 0; i < a.sections.size(); ++i) {
        if (a.sections[i].name != b.sections[i].name || a.sections[i].lines != b.sections[i].lines)
            return false;
    }
    return true;
}

// Whether a write of this key and value reads back as itself: names as
// the file keeps them (trimmed), a key that a line can hold, and a line
// that is not taken for a comment or a section header.
bool readsBack(const QString &section, const QString &key, const QString &value)
{
    return Reference::Trimmed(section) == section && Reference::Trimmed(key) == key && !key.contains(u'=')
           && !key.startsWith(u';') && !(key.startsWith(u'[') && value.endsWith(u']'));
}

// Direct access and the in-memory copy agree on the file as it is now.
void checkReads(const QByteArray &bytes)
{
    if (bytes.size() % 2)
        Profile::ClearDirectCache(); // at times read afresh, at times through the parse kept
    const ProfileFile direct(filePath(), ProfileFile::Access::Direct);
    const Profile::Copy copy = Profile::LoadCopy(bytes);
    FUZZ_CHECK(direct.Recognisable() == copy.recognisable);
    QStringList names;
    direct.ListSections(names);
    if (bytes.size() < ProfileFile::DirectSectionNamesLimit) {
        FUZZ_CHECK(names.size() == copy.sections.size());
        for (qsizetype i = 0; i < names.size(); ++i)
            FUZZ_CHECK(names[i] == copy.sections[i].name);
    }
    for (qsizetype s = copy.sections.size() - 1, n = 0; s >= 0 && n < 8; --s, ++n) {
        const QString &name = copy.sections[s].name;
        if (findSection(copy, name) != s)
            continue; // direct access finds the first of a name
        for (const QString &line : copy.sections[s].lines) {
            const qsizetype eq = line.indexOf(u'=');
            if (eq < 0)
                continue;
            const QString key = line.left(eq);
            bool first = true;
            for (const QString &earlier : copy.sections[s].lines) {
                if (&earlier == &line)
                    break;
                const qsizetype e = earlier.indexOf(u'=');
                first = first && !(e >= 0 && sameName(earlier.left(e), key));
            }
            if (first)
                FUZZ_CHECK(direct.ReadText(name, key, Unset) == Reference::DirectValue(line.mid(eq + 1)));
        }
    }
}

// `after` is `before` with one run of bytes replaced, and that run of
// `before` holds no line break: one line changed, or lines added.
void checkOneLineChanged(const QByteArray &before, const QByteArray &after)
{
    qsizetype prefix = 0;
    const qsizetype shorter = std::min(before.size(), after.size());
    while (prefix < shorter && before[prefix] == after[prefix])
        ++prefix;
    qsizetype suffix = 0;
    while (suffix < shorter - prefix && before[before.size() - 1 - suffix] == after[after.size() - 1 - suffix])
        ++suffix;
    const QByteArrayView replaced = QByteArrayView(before).sliced(prefix, before.size() - prefix - suffix);
    FUZZ_CHECK(!replaced.contains('\r') && !replaced.contains('\n'));
}

// `after` is `before` less one run of bytes.
void checkOneRunRemoved(const QByteArray &before, const QByteArray &after)
{
    FUZZ_CHECK(after.size() <= before.size());
    qsizetype prefix = 0;
    while (prefix < after.size() && before[prefix] == after[prefix])
        ++prefix;
    const qsizetype removed = before.size() - after.size();
    FUZZ_CHECK(QByteArrayView(before).sliced(prefix + removed) == QByteArrayView(after).sliced(prefix));
}

enum Operation { DirectWrite, DirectDelete, CopyWrite, CopyDelete, Leftover, Grow, Displaced, Operations };

void run(Reference::Input &input, int count)
{
    struct Step
    {
        Operation op;
        QString section;
        QString key;
        QString value;
        unsigned extra;
    };
    QVector<Step> steps;
    for (int i = 0; i < count && !input.Empty(); ++i) {
        Step step;
        step.op = Operation(input.Byte() % Operations);
        step.section = Profile::DecodeBytes(input.Bytes(24));
        step.key = Profile::DecodeBytes(input.Bytes(24));
        step.value = Profile::DecodeBytes(input.Bytes(48));
        step.extra = input.Byte();
        steps.append(step);
    }
    editFile(input.Rest());

    for (const Step &step : std::as_const(steps)) {
        const QByteArray before = readFile();
        const Profile::Copy copy = Profile::LoadCopy(before);
        const QString section = oneLine(step.section);
        const QString key = oneLine(step.key);
        QString written = oneLine(step.value); // what the copy holds until a reload trims it
        QString value = Reference::Trimmed(written).toString();
        bool refused = false;
        QString leftover;
        QString stranger;
        switch (step.op) {
        case DirectWrite: {
            if (!readsBack(section, key, value))
                continue;
            // A number at times, as its decimal text.
            const bool number = step.extra & 1;
            if (number)
                value = written = QString::number(int(step.extra) - 128);
            try {
                ProfileFile file(filePath(), ProfileFile::Access::Direct);
                if (number)
                    file.WriteNumber(step.section, step.key, int(step.extra) - 128);
                else
                    file.WriteText(step.section, step.key, step.value);
                file.WriteBack(); // nothing more to write
            } catch (const AppError &) {
                refused = true;
            }
            const QByteArray after = readFile();
            FUZZ_CHECK(refused == !copy.recognisable);
            if (refused) {
                FUZZ_CHECK(after == before);
                break;
            }
            checkOneLineChanged(before, after);
            FUZZ_CHECK(sameCopy(Profile::LoadCopy(after), afterWrite(copy, section, key, value)));
            FUZZ_CHECK(ProfileFile(filePath(), ProfileFile::Access::Direct).ReadText(section, key, Unset)
                       == Reference::DirectValue(value));
            FUZZ_CHECK(ProfileFile(filePath(), ProfileFile::Access::InMemory).ReadText(section, key, Unset) == value);
            break;
        }
        case DirectDelete: {
            try {
                ProfileFile(filePath(), ProfileFile::Access::Direct).DeleteSection(step.section);
            } catch (const AppError &) {
                refused = true;
            }
            const QByteArray after = readFile();
            const bool there = findSection(copy, section) >= 0;
            FUZZ_CHECK(refused == (there && !copy.recognisable));
            if (refused || !there) {
                FUZZ_CHECK(after == before);
                break;
            }
            checkOneRunRemoved(before, after);
            FUZZ_CHECK(sameCopy(Profile::LoadCopy(after), afterDelete(copy, section)));
            break;
        }
        case CopyWrite:
        case CopyDelete: {
            if (step.op == CopyWrite && !readsBack(section, key, value))
                continue;
            ProfileFile file(filePath(), ProfileFile::Access::InMemory);
            FUZZ_CHECK(file.Recognisable() == copy.recognisable);
            FUZZ_CHECK(file.HasSection(section) == (findSection(copy, section) >= 0));
            const bool discard = step.op == CopyDelete && (step.extra & 2);
            if (step.op == CopyWrite)
                file.WriteText(step.section, step.key, step.value);
            else if (discard)
                file.DiscardCopy();
            else
                file.DeleteSection(step.section);
            try {
                file.WriteBack();
            } catch (const AppError &) {
                refused = true;
            }
            const QByteArray after = readFile();
            FUZZ_CHECK(refused == !copy.recognisable);
            if (refused) {
                FUZZ_CHECK(after == before);
                break;
            }
            const Profile::Copy expected = step.op == CopyWrite ? afterWrite(copy, section, key, written)
                                           : discard            ? Profile::Copy()
                                                                : afterDelete(copy, section);
            FUZZ_CHECK(after == Profile::SaveCopy(expected.sections, copy.bom));
            if (step.op == CopyWrite) {
                FUZZ_CHECK(sameCopy(Profile::LoadCopy(after), afterWrite(copy, section, key, value)));
                FUZZ_CHECK(ProfileFile(filePath(), ProfileFile::Access::Direct).ReadText(section, key, Unset)
                           == Reference::DirectValue(value));
            }
            break;
        }
        case Leftover: {
            // What a write killed before its rename leaves, and a file that
            // only looks like one: the next write removes the first alone.
            const QString base = QFileInfo(filePath()).fileName();
            static constexpr char chars[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
            QString suffix;
            for (int i = 0; i < 6; ++i)
                suffix += QLatin1Char(chars[(step.extra * 7 + unsigned(i) * 13) % (sizeof chars - 1)]);
            leftover = base + QStringLiteral(".tenacio-") + suffix;
            stranger = base + QStringLiteral(".tenacio-") + suffix.left(step.extra % 6);
            FUZZ_CHECK(Profile::IsTemporaryName(leftover, base) && !Profile::IsTemporaryName(stranger, base));
            const QString dir = QFileInfo(filePath()).absolutePath() + u'/';
            FUZZ_CHECK(QFile(dir + leftover).open(QIODevice::WriteOnly));
            FUZZ_CHECK(QFile(dir + stranger).open(QIODevice::WriteOnly));
            refused = true;
            try {
                ProfileFile(filePath(), ProfileFile::Access::Direct)
                    .WriteText(QStringLiteral("Fuzz"), QStringLiteral("Key"), QStringLiteral("1"));
                refused = false;
            } catch (const AppError &) {
            }
            FUZZ_CHECK(refused == !copy.recognisable);
            FUZZ_CHECK(QFile::exists(dir + leftover) == refused);
            FUZZ_CHECK(QFile::exists(dir + stranger));
            QFile::remove(dir + leftover);
            QFile::remove(dir + stranger);
            break;
        }
        case Grow: {
            // A large file, its lines near the end of direct access's first
            // read; the value bytes go after it.
            QByteArray grown = before;
            grown += "\r\n;";
            const qsizetype to = FirstReadChunk - qsizetype(step.extra % 8) - 1;
            if (grown.size() < to)
                grown += QByteArray(to - grown.size(), 'p');
            grown += Profile::EncodeText(step.value);
            editFile(grown);
            break;
        }
        case Displaced: {
            // The file's place taken by a directory, the file gone, or its
            // directory gone: reads give the defaults, writes fail with the
            // system's reason and leave nothing behind.
            const QString unset = QStringLiteral("unset");
            const QString place =
                step.extra % 3 == 2 ? QFileInfo(filePath()).absolutePath() + QStringLiteral("/gone/f.ini") : filePath();
            QFile::remove(filePath());
            if (step.extra % 3 == 0)
                FUZZ_CHECK(QDir().mkdir(filePath()));
            const ProfileFile direct(place, ProfileFile::Access::Direct);
            FUZZ_CHECK(direct.ReadText(section, key, unset) == unset);
            QStringList names{unset};
            direct.ListSections(names);
            FUZZ_CHECK(names.isEmpty());
            bool opened = true;
            try {
                ProfileFile memory(place, ProfileFile::Access::InMemory);
                FUZZ_CHECK(memory.ReadText(section, key, unset) == unset);
                memory.WriteText(step.section, step.key, step.value);
                memory.WriteBack();
                FUZZ_CHECK(step.extra % 3 == 1); // only a missing file is made
                FUZZ_CHECK(readFile()
                           == Profile::SaveCopy({Profile::CopySection{section, {key + u'=' + written}}}, false));
            } catch (const AppError &error) {
                opened = false;
                FUZZ_CHECK(step.extra % 3 != 1);
                FUZZ_CHECK(error.Text().contains(step.extra % 3 ? QStringLiteral("No such file")
                                                                : QStringLiteral("directory")));
            }
            FUZZ_CHECK(opened == (step.extra % 3 == 1));
            if (!opened) {
                bool thrown = false;
                try {
                    ProfileFile(place, ProfileFile::Access::Direct).WriteText(step.section, step.key, step.value);
                } catch (const AppError &) {
                    thrown = true;
                }
                FUZZ_CHECK(thrown);
            }
            if (step.extra % 3 == 0) {
                FUZZ_CHECK(QDir().rmdir(filePath()));
                editFile(before);
            } else if (step.extra % 3 == 2) {
                editFile(before);
            }
            break;
        }
        case Operations:
            break;
        }
        const QByteArray now = readFile();
        checkReads(now);
        FUZZ_CHECK(others().isEmpty());
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Reference::Input input(data, size);
    run(input, int(input.Byte() % 4) + 1);
    return 0;
}
