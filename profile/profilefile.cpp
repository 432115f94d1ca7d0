#include "profile/profilefile.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/bytetext.h"
#include "profile/directparse.h"
#include "profile/fileaccess.h"
#include "profile/filefailures.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"
#include "profile/sectionindex.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

using Profile::DirectParse;
using Profile::DirectSection;
using Profile::FailCreate;
using Profile::FailOpen;
using Profile::FailWrite;
using Profile::FindDirectKey;
using Profile::FindMemoryFile;
using Profile::ForgetParse;
using Profile::HeldParse;
using Profile::IniLine;
using Profile::IsBlank;
using Profile::LineSpan;
using Profile::MemoryEntry;
using Profile::OneLine;
using Profile::ParseIniLine;
using Profile::ParseOf;
using Profile::UnrecognisedReason;
using Profile::WriteMemoryFile;

// Keeps the first `limit` code points of a text.
QString cutToCodePoints(const QString &text, int limit)
{
    qsizetype i = 0;
    int count = 0;
    const qsizetype n = text.size();
    while (i < n && count < limit) {
        if (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate())
            i += 2;
        else
            i += 1;
        ++count;
    }
    return i < n ? text.left(i) : text;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

// A direct write rewrites the whole file from its parse: a file that
// could not be read, or whose content the parse cannot make sense of,
// would lose what it holds.
void checkWritable(const QString &path, DirectParse &parse)
{
    if (parse.Unreadable())
        FailWrite(path, parse.ReadError());
    if (!parse.Recognisable())
        FailWrite(path, UnrecognisedReason());
}

void writeDirect(const QString &path, const QByteArray &content)
{
    if (WriteMemoryFile(path, content))
        return;
    ForgetParse(path);
    const QString reason = Profile::ReplaceFile(path, content);
    if (!reason.isEmpty())
        FailWrite(path, reason);
}

// Appends a name to a direct name list if it fits in the room left; the
// last name that fits in part keeps the whole characters that fit. False
// when the list is full.
bool appendCapped(QStringList &list, const QString &name, qsizetype &room)
{
    const QByteArray bytes = Profile::EncodeText(name);
    if (bytes.size() + 1 <= room) {
        list.append(name);
        room -= bytes.size() + 1;
        return true;
    }
    // A character is counted by its own bytes: a byte that is not UTF-8 is
    // one, even where it looks like the middle of another.
    qsizetype used = 0;
    qsizetype units = 0;
    while (units < name.size()) {
        const bool pair =
            name.at(units).isHighSurrogate() && units + 1 < name.size() && name.at(units + 1).isLowSurrogate();
        const qsizetype width = pair ? 2 : 1;
        const qsizetype more = Profile::EncodeText(QStringView(name).sliced(units, width)).size();
        if (used + more > room - 1)
            break;
        used += more;
        units += width;
    }
    if (units > 0)
        list.append(name.left(units));
    return false;
}

} // namespace

// ---------------------------------------------------------------- helpers

namespace Profile {

QStringView Trimmed(QStringView text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text.at(start).unicode() <= 0x20)
        ++start;
    while (end > start && text.at(end - 1).unicode() <= 0x20)
        --end;
    return text.sliced(start, end - start);
}

bool ParseNumber(const QString &text, qint32 *value)
{
    QString t = text;
    if (t.size() > 2 && t.at(0) == QLatin1Char('0') && (t.at(1) == QLatin1Char('x') || t.at(1) == QLatin1Char('X')))
        t = QLatin1Char('$') + t.mid(2);
    return Platform::TryStrToInt(t, value);
}

QString DirectValue(const QString &stored)
{
    QString v = Trimmed(stored).toString();
    if (v.size() >= 2) {
        const QChar first = v.front();
        if ((first == QLatin1Char('"') || first == QLatin1Char('\'')) && v.back() == first)
            v = v.mid(1, v.size() - 2);
    }
    return cutToCodePoints(v, ProfileFile::DirectValueLimit);
}

QString DirectValueOf(QByteArrayView stored, int limit)
{
    const char *p = stored.data();
    qsizetype vs = 0;
    qsizetype ve = stored.size();
    if (ve - vs >= 2 && (p[vs] == '"' || p[vs] == '\'') && p[ve - 1] == p[vs]) {
        ++vs;
        --ve;
    }
    if (limit < 0)
        return DecodeBytes(QByteArrayView(p + vs, ve - vs));
    // Decode no more than the limit can need (4 bytes a character).
    const qsizetype maxBytes = qsizetype(limit) * 4;
    return cutToCodePoints(DecodeBytes(QByteArrayView(p + vs, qMin(ve, vs + maxBytes) - vs)), limit);
}

QString DirectStored(const QString &value)
{
    if (value.isEmpty())
        return value;
    const QChar first = value.front();
    const bool quoted =
        value.size() >= 2 && (first == QLatin1Char('"') || first == QLatin1Char('\'')) && value.back() == first;
    if (!quoted && Trimmed(value).size() == value.size())
        return value;
    return QLatin1Char('"') + value + QLatin1Char('"');
}

void ClearDirectCache()
{
    ForgetParses();
    ForgetSectionIndexes();
}

} // namespace Profile

// ---------------------------------------------------------------- ProfileFile

ProfileFile::ProfileFile(const QString &path, Access access)
    : m_path(path)
    , m_access(access)
{
    if (m_access == Access::Direct)
        return;
    QByteArray data;
    if (const MemoryEntry *memory = FindMemoryFile(path)) {
        data = memory->content;
    } else {
        const QFileInfo info(path);
        if (!info.exists())
            return;
        const QString reason = Profile::ReadWholeFile(path, &data);
        if (!reason.isEmpty())
            throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
    }
    m_bytes = data;
    data.clear();
    Profile::Copy copy = Profile::LoadSections(m_bytes, &m_undecoded);
    m_sections = std::move(copy.sections);
    m_bom = copy.bom;
    m_recognisable = copy.recognisable;
    if (m_sections.isEmpty())
        m_bytes.clear();
}

ProfileFile::~ProfileFile() = default;

ProfileFile::Section &ProfileFile::decoded(int i) const
{
    Section &section = m_sections[i];
    QByteArrayView &body = m_undecoded[i];
    if (!body.isNull()) {
        Profile::DecodeSectionLines(body, section.lines);
        body = QByteArrayView();
    }
    return section;
}

bool ProfileFile::undecodedValue(int i, const QString &key, QByteArrayView *value, bool *found) const
{
    const QByteArrayView body = m_undecoded.at(i);
    if (body.isNull())
        return false;
    // The first "key=value" line of that key, as findKey finds it among
    // the decoded lines.
    *value = QByteArrayView();
    *found = false;
    Profile::ForEachLine(body, [&](const Profile::LineSpan &span) {
        if (*found)
            return;
        const Profile::IniLine line = Profile::ParseIniLine(body.data(), span);
        if (line.kind == Profile::IniLine::Kind::Key
            && Profile::DecodeBytes(line.name).compare(key, Qt::CaseInsensitive) == 0) {
            *value = line.value;
            *found = true;
        }
    });
    return true;
}

int ProfileFile::findSection(const QString &name) const
{
    for (int i = 0; i < m_sections.size(); ++i) {
        if (sameName(m_sections.at(i).name, name))
            return i;
    }
    return -1;
}

int ProfileFile::findKey(const Section &section, const QString &key)
{
    for (int i = 0; i < section.lines.size(); ++i) {
        const QString &line = section.lines.at(i);
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

bool ProfileFile::Recognisable() const
{
    if (m_access == Access::InMemory)
        return m_recognisable;
    return HeldParse(m_path, m_heldParse)->Recognisable();
}

QString ProfileFile::ReadProblem() const
{
    if (m_access == Access::Direct) {
        const auto parse = HeldParse(m_path, m_heldParse);
        if (parse->Unreadable())
            return parse->ReadError();
    }
    return Recognisable() ? QString() : UnrecognisedReason();
}

bool ProfileFile::HasSection(const QString &section) const
{
    if (m_access == Access::InMemory)
        return findSection(section) >= 0;
    return HeldParse(m_path, m_heldParse)->Find(section) >= 0;
}

void ProfileFile::ListSections(QStringList &list, int maxCount) const
{
    list.clear();
    if (m_access == Access::InMemory) {
        const qsizetype count = maxCount < 0 ? m_sections.size() : qMin<qsizetype>(maxCount, m_sections.size());
        list.reserve(count);
        for (qsizetype i = 0; i < count; ++i)
            list.append(m_sections.at(i).name);
        return;
    }
    const auto parse = HeldParse(m_path, m_heldParse);
    // Room for the names and their terminators, less the final terminator.
    qsizetype room = DirectSectionNamesLimit - 1;
    for (int i = 0; (maxCount < 0 || i < maxCount) && parse->Has(i); ++i) {
        if (!appendCapped(list, parse->sections.at(i).name, room))
            break;
    }
}

QString ProfileFile::ReadText(const QString &section, const QString &key, const QString &defaultText) const
{
    return readText(section, key, defaultText, DirectValueLimit);
}

QString ProfileFile::ReadWholeText(const QString &section, const QString &key, const QString &defaultText) const
{
    return readText(section, key, defaultText, -1);
}

QString ProfileFile::readText(const QString &section, const QString &key, const QString &defaultText, int limit) const
{
    if (m_access == Access::InMemory) {
        const int s = findSection(section);
        if (s < 0)
            return defaultText;
        // A value read from a section not yet decoded is all that is
        // decoded of it: the editor shows a Module of 90 MB without
        // holding its text twice.
        QByteArrayView value;
        bool found = false;
        if (undecodedValue(s, key, &value, &found))
            return found ? Profile::DecodeBytes(value) : defaultText;
        const Section &sec = decoded(s);
        const int k = findKey(sec, key);
        if (k < 0)
            return defaultText;
        const QString &line = sec.lines.at(k);
        return line.mid(line.indexOf(QLatin1Char('=')) + 1);
    }
    const auto parse = HeldParse(m_path, m_heldParse);
    const int s = parse->Find(section);
    if (s < 0)
        return defaultText;
    qsizetype vs = 0;
    qsizetype ve = 0;
    if (FindDirectKey(*parse, parse->sections.at(s), key, &vs, &ve) < 0)
        return defaultText;
    return Profile::DirectValueOf(QByteArrayView(parse->data.constData() + vs, ve - vs), limit);
}

QByteArray ProfileFile::ValueDigest(const QString &section, const QString &key) const
{
    QCryptographicHash hash(QCryptographicHash::Sha1);
    if (m_access == Access::InMemory) {
        const int s = findSection(section);
        QByteArrayView value;
        bool found = false;
        if (s >= 0 && undecodedValue(s, key, &value, &found)) {
            hash.addData(value);
        } else if (s >= 0) {
            const Section &sec = m_sections.at(s);
            const int k = findKey(sec, key);
            if (k >= 0) {
                const QString &line = sec.lines.at(k);
                hash.addData(Profile::EncodeText(QStringView(line).sliced(line.indexOf(QLatin1Char('=')) + 1)));
            }
        }
        return hash.result();
    }
    const auto parse = HeldParse(m_path, m_heldParse);
    const int s = parse->Find(section);
    qsizetype vs = 0;
    qsizetype ve = 0;
    if (s >= 0 && FindDirectKey(*parse, parse->sections.at(s), key, &vs, &ve) >= 0)
        hash.addData(QByteArrayView(parse->data.constData() + vs, ve - vs));
    return hash.result();
}

qint32 ProfileFile::ReadNumber(const QString &section, const QString &key, qint32 defaultValue) const
{
    qint32 value = 0;
    return Profile::ParseNumber(ReadText(section, key, QString()), &value) ? value : defaultValue;
}

void ProfileFile::WriteText(const QString &sectionName, const QString &keyName, const QString &valueText)
{
    const QString section = OneLine(sectionName);
    const QString key = OneLine(keyName);
    const QString value = OneLine(valueText);
    if (m_access == Access::InMemory) {
        writeToCopy(section, key, value);
        return;
    }
    const Profile::FileLock lock(m_path);
    const auto parse = HeldParse(m_path, m_heldParse);
    parse->ReadAll();
    checkWritable(m_path, *parse);
    writeDirect(m_path, Profile::DirectlyWritten(*parse, section, key, value));
}

void ProfileFile::WriteTexts(const QList<Entry> &entries)
{
    if (entries.isEmpty())
        return;
    if (m_access == Access::InMemory) {
        for (const Entry &entry : entries)
            writeToCopy(OneLine(entry.section), OneLine(entry.key), OneLine(entry.value));
        return;
    }
    const Profile::FileLock lock(m_path);
    const auto parse = HeldParse(m_path, m_heldParse);
    parse->ReadAll();
    checkWritable(m_path, *parse);
    QByteArray out = parse->data;
    for (const Entry &entry : entries) {
        DirectParse written(out);
        out = Profile::DirectlyWritten(written, OneLine(entry.section), OneLine(entry.key), OneLine(entry.value));
    }
    writeDirect(m_path, out);
}

void ProfileFile::writeToCopy(const QString &section, const QString &key, const QString &value)
{
    int s = findSection(section);
    if (s < 0) {
        m_sections.append(Section{section, {}});
        m_undecoded.append(QByteArrayView());
        s = int(m_sections.size()) - 1;
    }
    Section &sec = decoded(s);
    const int k = findKey(sec, key);
    if (k >= 0) {
        const QString &old = sec.lines.at(k);
        sec.lines[k] = old.left(old.indexOf(QLatin1Char('=')) + 1) + value;
    } else {
        sec.lines.append(key + QLatin1Char('=') + value);
    }
}

void ProfileFile::WriteNumber(const QString &section, const QString &key, qint32 value)
{
    WriteText(section, key, QString::number(value));
}

void ProfileFile::DeleteSection(const QString &section)
{
    if (m_access == Access::InMemory) {
        const int s = findSection(section);
        if (s >= 0) {
            m_sections.removeAt(s);
            m_undecoded.removeAt(s);
        }
        return;
    }
    const Profile::FileLock lock(m_path);
    const auto parse = HeldParse(m_path, m_heldParse);
    const int s = parse->Find(section);
    if (s < 0)
        return;
    parse->ReadAll();
    checkWritable(m_path, *parse);
    // One section goes: a file that holds the name twice (by hand, in
    // another letter case) keeps the other.
    const QByteArray &data = parse->data;
    const DirectSection &sec = parse->sections.at(s);
    const qsizetype end = sec.endLine < parse->lines.size() ? parse->lines.at(sec.endLine).start : data.size();
    QByteArray out;
    out.reserve(data.size() - (end - sec.headerStart));
    out.append(data.constData(), sec.headerStart);
    out.append(data.constData() + end, data.size() - end);
    writeDirect(m_path, out);
}

void ProfileFile::DeleteSections(const QStringList &names)
{
    if (m_access == Access::InMemory) {
        for (const QString &name : names)
            DeleteSection(name);
        return;
    }
    const Profile::FileLock lock(m_path);
    const auto parse = ParseOf(m_path);
    parse->ReadAll();
    // Each name takes the first section of that name still standing, as
    // DeleteSection does one call after another.
    QHash<QString, int> wanted;
    for (const QString &name : names)
        ++wanted[Profile::FoldedName(name)];
    QVector<bool> gone(parse->sections.size(), false);
    bool any = false;
    for (int i = 0; i < parse->sections.size(); ++i) {
        const auto it = wanted.find(Profile::FoldedName(parse->sections.at(i).name));
        if (it != wanted.end() && it.value() > 0) {
            --it.value();
            gone[i] = true;
            any = true;
        }
    }
    if (!any)
        return;
    checkWritable(m_path, *parse);
    const QByteArray &data = parse->data;
    QByteArray out;
    out.reserve(data.size());
    qsizetype kept = 0; // bytes up to here are copied or dropped
    for (int i = 0; i < parse->sections.size(); ++i) {
        if (!gone.at(i))
            continue;
        const DirectSection &sec = parse->sections.at(i);
        const qsizetype end = sec.endLine < parse->lines.size() ? parse->lines.at(sec.endLine).start : data.size();
        out.append(data.constData() + kept, sec.headerStart - kept);
        kept = end;
    }
    out.append(data.constData() + kept, data.size() - kept);
    writeDirect(m_path, out);
}

void ProfileFile::WriteSections(const QList<SectionEntry> &entries)
{
    if (entries.isEmpty())
        return;
    if (m_access == Access::InMemory) {
        for (const SectionEntry &entry : entries) {
            if (!entry.written) {
                DeleteSection(entry.section);
                continue;
            }
            Section section{OneLine(entry.written->name), {}};
            for (const QString &line : entry.written->lines)
                section.lines.append(OneLine(line));
            const int s = findSection(entry.section);
            if (s < 0) {
                m_sections.append(section);
                m_undecoded.append(QByteArrayView());
            } else {
                m_sections[s] = section;
                m_undecoded[s] = QByteArrayView();
            }
        }
        return;
    }
    const Profile::FileLock lock(m_path);
    const auto parse = HeldParse(m_path, m_heldParse);
    parse->ReadAll();
    checkWritable(m_path, *parse);
    QByteArray out = parse->data;
    for (const SectionEntry &entry : entries) {
        DirectParse written(out);
        if (!entry.written) {
            out = Profile::SectionWritten(written, entry.section, nullptr);
            continue;
        }
        QByteArray bytes = '[' + Profile::EncodeText(OneLine(entry.written->name)) + ']' + written.eol;
        for (const QString &line : entry.written->lines)
            bytes += Profile::EncodeText(OneLine(line)) + written.eol;
        out = Profile::SectionWritten(written, entry.section, &bytes);
    }
    if (out != parse->data)
        writeDirect(m_path, out);
}

void ProfileFile::RenewSection(const QString &section, const QString &newName)
{
    const int s = findSection(section);
    if (m_access == Access::InMemory && s >= 0) {
        m_sections[s] = Section{OneLine(newName), {}};
        m_undecoded[s] = QByteArrayView();
    }
}

void ProfileFile::WriteBack()
{
    if (m_access == Access::Direct)
        return; // every direct write is already in the file
    if (!m_recognisable)
        throw AppError(
            QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(m_path, UnrecognisedReason()));
    const QByteArray out = Profile::SaveCopy(m_sections, m_undecoded, m_bom);
    if (WriteMemoryFile(m_path, out))
        return;
    const QString reason = Profile::ReplaceFile(m_path, out);
    if (reason == Profile::ReadOnlyReason())
        FailWrite(m_path, reason);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(m_path, reason));
    Profile::ForgetParse(m_path);
}

void ProfileFile::DiscardCopy()
{
    m_sections.clear();
    m_undecoded.clear();
    m_bytes.clear();
}
