#include "profile/directparse.h"

#include "profile/bytetext.h"
#include "profile/fileaccess.h"
#include "profile/filestamp.h"
#include "profile/memoryfiles.h"

#include <QCoreApplication>
#include <QFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>
#include <unordered_map>

namespace Profile {

DirectParse::DirectParse(const QString &path)
    : m_path(path)
{
    m_complete = path.isEmpty();
    if (m_complete)
        return;
    QString reason;
    const int fd = OpenForReading(path, &reason);
    if (fd < 0) {
        fail(reason);
        return;
    }
    struct stat st;
    if (::fstat(fd, &st) == 0)
        data.reserve(qsizetype(st.st_size) + 1);
    ::close(fd);
}

DirectParse::DirectParse(const QByteArray &bytes)
    : data(bytes)
{
    m_scanned = BomLength(data);
    scan(true);
}

bool DirectParse::Recognisable()
{
    while (!m_complete && !m_recognition.Sections())
        scanMore();
    return m_recognition.Recognisable(StartsAsUtf16(data));
}

int DirectParse::Find(const QString &name)
{
    for (;;) {
        const qsizetype first = m_firstByName.Find(name);
        if (first >= 0 && (first + 1 < sections.size() || m_complete))
            return int(first);
        if (m_complete)
            return -1;
        scanMore();
    }
}

bool DirectParse::Has(int i)
{
    while (!m_complete && i + 1 >= sections.size())
        scanMore();
    return i < sections.size();
}

void DirectParse::ReadAll()
{
    while (!m_complete)
        scanMore();
}

void DirectParse::fail(const QString &reason)
{
    m_readError = reason.isEmpty() ? QCoreApplication::translate("Files", "Unknown error") : reason;
    data.clear();
    lines.clear();
    sections.clear();
    m_firstByName.Clear();
    m_complete = true;
}

void DirectParse::scanMore()
{
    // Small steps at first, so that a caller who needs only the head
    // of a large file reads little more than that; then half again
    // of what is held, so that a whole file takes few reads. The file
    // is open only while a step reads it.
    // A step stops at the end of what was reserved for the file's size:
    // growing past it would copy everything read so far.
    const qsizetype had = data.size();
    const qint64 step = qMax<qint64>(qint64(256) << 10, had / 2);
    const qsizetype room = data.capacity() - had;
    const qint64 chunk = room > 0 ? qMin<qint64>(step, room) : step;
    QString reason;
    const int fd = OpenForReading(m_path, &reason);
    if (fd < 0) {
        fail(reason);
        return;
    }
    QFile file;
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) || (had > 0 && !file.seek(had))) {
        fail(file.errorString());
        return;
    }
    data.resize(had + chunk);
    const qint64 got = file.read(data.data() + had, chunk);
    if (got < 0) {
        fail(file.errorString());
        return;
    }
    data.resize(had + got);
    const bool atEnd = got == 0 || file.atEnd();
    file.close();
    if (had == 0)
        m_scanned = BomLength(data);
    scan(atEnd);
}

void DirectParse::scan(bool atEnd)
{
    LineSpan line;
    while (m_scanned < data.size() && NextLine(data.constData(), data.size(), m_scanned, atEnd, &line)) {
        addLine(line);
        m_scanned = line.next;
    }
    if (atEnd) {
        if (!sections.isEmpty())
            sections.last().endLine = int(lines.size());
        m_complete = true;
    }
}

void DirectParse::addLine(const LineSpan &line)
{
    const char *p = data.constData();
    if (!m_eolSeen && line.next > line.end) {
        eol = QByteArray(p + line.end, line.next - line.end);
        m_eolSeen = true;
    }
    const IniLine parsed = ParseIniLine(p, line);
    const int index = int(lines.size());
    lines.append(line);
    m_recognition.Line(parsed.kind);
    if (parsed.kind == IniLine::Kind::Header) {
        if (!sections.isEmpty())
            sections.last().endLine = index;
        sections.append(DirectSection{DecodeBytes(parsed.name), line.start, index + 1, index + 1});
        m_firstByName.Add(sections.last().name, sections.size() - 1);
    } else if (!sections.isEmpty()) {
        sections.last().endLine = index + 1;
    }
}

namespace {

// The parse of a file is found here while someone holds it: a whole
// file's bytes are not kept after the ProfileFile objects that read them
// are gone.
struct CacheEntry
{
    FileStamp stamp;
    std::weak_ptr<DirectParse> parse;
};

std::unordered_map<std::string, CacheEntry> &directCache()
{
    static std::unordered_map<std::string, CacheEntry> cache;
    return cache;
}

} // namespace

// The parse of a file as it is now; a missing or unreadable file parses
// empty. The parse is kept while the file's size, times and inode stay
// the same, so a history reload reads a large file once, and any change
// on disk is seen by the next call.
std::shared_ptr<DirectParse> ParseOf(const QString &path)
{
    if (MemoryEntry *memory = FindMemoryFile(path)) {
        if (!memory->parse)
            memory->parse = std::make_shared<DirectParse>(memory->content);
        return std::static_pointer_cast<DirectParse>(memory->parse);
    }
    const FileStamp stamp = StampOf(path);
    auto &cache = directCache();
    const std::string key = path.toStdString();
    const auto it = cache.find(key);
    if (it != cache.end() && it->second.stamp == stamp && stamp.exists) {
        if (auto held = it->second.parse.lock())
            return held;
    }
    // Anything but a regular file in its place is read as unreadable.
    struct stat st;
    const bool present = stamp.exists || ::stat(QFile::encodeName(path).constData(), &st) == 0;
    auto parse = std::make_shared<DirectParse>(present ? path : QString());
    if (stamp.exists && !parse->Unreadable())
        cache[key] = CacheEntry{stamp, parse};
    else
        cache.erase(key);
    return parse;
}

// The parse of a file for a ProfileFile, which holds it from then on.
std::shared_ptr<DirectParse> HeldParse(const QString &path, std::shared_ptr<void> &held)
{
    auto parse = ParseOf(path);
    held = parse;
    return parse;
}

// Finds the line of a key in a section of a direct parse: -1 when absent.
int FindDirectKey(const DirectParse &parse, const DirectSection &section, const QString &key, qsizetype *valueStart,
                  qsizetype *valueEnd)
{
    const char *p = parse.data.constData();
    for (int i = section.firstLine; i < section.endLine; ++i) {
        const IniLine line = ParseIniLine(p, parse.lines.at(i));
        if (line.kind != IniLine::Kind::Key || DecodeBytes(line.name).compare(key, Qt::CaseInsensitive) != 0)
            continue;
        if (valueStart)
            *valueStart = line.value.data() - p;
        if (valueEnd)
            *valueEnd = line.value.data() + line.value.size() - p;
        return i;
    }
    return -1;
}

void ForgetParse(const QString &path) { directCache().erase(path.toStdString()); }

void ForgetParses() { directCache().clear(); }

} // namespace Profile
