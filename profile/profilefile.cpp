#include "profile/profilefile.h"

#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/bytetext.h"
#include "profile/fileaccess.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <unordered_map>

namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

// One line of a file: [start, end) without its line break; next is where
// the following line starts.
struct LineSpan
{
    qsizetype start;
    qsizetype end;
    qsizetype next;
};

// Calls f(span) for each line; lines end at CR, LF or CR LF.
template<typename F>
void forEachLine(QByteArrayView data, F &&f, qsizetype from = 0)
{
    const char *p = data.constData();
    const qsizetype n = data.size();
    qsizetype i = from;
    while (i < n) {
        const qsizetype start = i;
        const void *lf = std::memchr(p + i, '\n', size_t(n - i));
        qsizetype stop = lf ? static_cast<const char *>(lf) - p : n;
        // A CR alone also ends a line.
        const void *cr = std::memchr(p + i, '\r', size_t(stop - i));
        qsizetype end;
        qsizetype next;
        if (cr) {
            end = static_cast<const char *>(cr) - p;
            next = (end + 1 < n && p[end + 1] == '\n') ? end + 2 : end + 1;
        } else {
            end = stop;
            next = lf ? stop + 1 : n;
        }
        f(LineSpan{start, end, next});
        i = next;
    }
}

void trimSpan(const char *p, qsizetype &start, qsizetype &end)
{
    while (start < end && isBlank(p[start]))
        ++start;
    while (end > start && isBlank(p[end - 1]))
        --end;
}

QString decode(const char *p, qsizetype start, qsizetype end)
{
    return Profile::DecodeBytes(QByteArrayView(p + start, end - start));
}

// Length of the UTF-8 byte-order mark at the start of data, if any.
qsizetype bomLength(QByteArrayView data) { return data.startsWith(Profile::Utf8Bom) ? Profile::Utf8Bom.size() : 0; }

// A file that starts with a UTF-16 byte-order mark is not text this
// program can read or write, whatever its bytes happen to look like; nor
// is UTF-16 without the mark, whose NUL bytes would otherwise pass as
// blanks around sections: a NUL beside a bracket or a line break near the
// start tells it (a NUL inside a value of a UTF-8 file does not).
constexpr qsizetype Utf16Window = 4096;

bool startsAsUtf16(QByteArrayView data)
{
    if (data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF"))
        return true;
    const QByteArrayView head = data.first(qMin<qsizetype>(data.size(), Utf16Window));
    for (const char c : {'[', '\n', '\r'}) {
        const char pair[2] = {c, '\0'};
        const char swapped[2] = {'\0', c};
        if (head.contains(QByteArrayView(pair, 2)) || head.contains(QByteArrayView(swapped, 2)))
            return true;
    }
    return false;
}

// Tells, line by line, whether a file is one this program can make sense
// of: a file of sections, or one holding nothing but blanks and comments.
// Anything else (binary junk, a text without a single section) would be
// lost by a rewrite.
class Recognition
{
public:
    void line(const char *p, qsizetype s, qsizetype e, bool header)
    {
        if (header)
            m_sections = true;
        else if (!m_sections && s < e && p[s] != ';')
            m_strayText = true;
    }
    bool sections() const { return m_sections; }
    bool recognisable(bool utf16) const { return !utf16 && (m_sections || !m_strayText); }

private:
    bool m_sections = false;
    bool m_strayText = false;
};

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

// Line breaks inside a name or value would break the file's structure.
QString oneLine(const QString &text)
{
    if (!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')))
        return text;
    QString out = text;
    out.replace(QLatin1Char('\r'), QLatin1Char(' '));
    out.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return out;
}

bool sameName(const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

} // namespace

QString Profile::FoldedName(const QString &name)
{
    const auto *s = reinterpret_cast<const char16_t *>(name.utf16());
    const qsizetype n = name.size();
    QString out;
    qsizetype from = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!QChar::isSurrogate(s[i]))
            continue;
        if (QChar::isHighSurrogate(s[i]) && i + 1 < n && QChar::isLowSurrogate(s[i + 1])) {
            ++i;
            continue;
        }
        out += name.sliced(from, i - from).toCaseFolded();
        out += QChar(s[i]);
        from = i + 1;
    }
    if (from == 0)
        return name.toCaseFolded();
    out += name.sliced(from).toCaseFolded();
    return out;
}

namespace {

QString foldedName(const QString &name) { return Profile::FoldedName(name); }

// ---------------------------------------------------------------- direct

struct DirectSection
{
    QString name;
    qsizetype headerStart; // byte offset of the header line
    int firstLine;         // index of the first line after the header
    int endLine;           // one past the section's last line
};

// The parse of a file for direct access. It reads and indexes the file
// only as far as a caller needs: a reload that lists the first runs of a
// large results file never reads its tail.
class DirectParse
{
public:
    explicit DirectParse(const QString &path)
        : m_path(path)
    {
        m_complete = path.isEmpty();
        if (m_complete)
            return;
        QString reason;
        const int fd = Profile::OpenForReading(path, &reason);
        if (fd < 0) {
            fail(reason);
            return;
        }
        struct stat st;
        if (::fstat(fd, &st) == 0)
            data.reserve(qsizetype(st.st_size) + 1);
        ::close(fd);
    }

    // The parse of bytes held in memory, complete at once.
    explicit DirectParse(const QByteArray &bytes)
        : data(bytes)
    {
        m_scanned = bomLength(data);
        scan(true);
    }

    QByteArray data;
    QVector<LineSpan> lines;
    QVector<DirectSection> sections;
    QByteArray eol = QByteArrayLiteral("\r\n");

    bool complete() const { return m_complete; }
    // The file exists but could not be read; it then parses empty.
    bool unreadable() const { return !m_readError.isEmpty(); }
    const QString &readError() const { return m_readError; }

    bool recognisable()
    {
        while (!m_complete && !m_recognition.sections())
            scanMore();
        return m_recognition.recognisable(startsAsUtf16(data));
    }

    // Index of the first section of that name, with its extent known; -1.
    int find(const QString &name)
    {
        const QString folded = foldedName(name);
        for (;;) {
            const auto it = m_firstByName.constFind(folded);
            if (it != m_firstByName.constEnd() && (it.value() + 1 < sections.size() || m_complete))
                return it.value();
            if (m_complete)
                return -1;
            scanMore();
        }
    }

    // Whether section i exists, reading on as needed; its extent is then known.
    bool has(int i)
    {
        while (!m_complete && i + 1 >= sections.size())
            scanMore();
        return i < sections.size();
    }

    void readAll()
    {
        while (!m_complete)
            scanMore();
    }

private:
    void fail(const QString &reason)
    {
        m_readError = reason.isEmpty() ? QCoreApplication::translate("Files", "Unknown error") : reason;
        data.clear();
        lines.clear();
        sections.clear();
        m_firstByName.clear();
        m_complete = true;
    }

    void scanMore()
    {
        // Small steps at first, so that a caller who needs only the head
        // of a large file reads little more than that; then half again
        // of what is held, so that a whole file takes few reads. The file
        // is open only while a step reads it.
        const qint64 chunk = qMax<qint64>(qint64(256) << 10, data.size() / 2);
        const qsizetype had = data.size();
        QString reason;
        const int fd = Profile::OpenForReading(m_path, &reason);
        if (fd < 0) {
            fail(reason);
            return;
        }
        QFile file;
        if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) || (had > 0 && !file.seek(had))) {
            fail(file.errorString());
            return;
        }
        data.resize(had + chunk); // within the reserve unless the file grew
        const qint64 got = file.read(data.data() + had, chunk);
        if (got < 0) {
            fail(file.errorString());
            return;
        }
        data.resize(had + got);
        const bool atEnd = got == 0 || file.atEnd();
        file.close();
        if (had == 0)
            m_scanned = bomLength(data);
        scan(atEnd);
    }

    // Indexes the lines held past m_scanned; a line that may go on past
    // the end of what is held waits unless the file ends there.
    void scan(bool atEnd)
    {
        const char *p = data.constData();
        const qsizetype n = data.size();
        while (m_scanned < n) {
            const qsizetype start = m_scanned;
            const void *lf = std::memchr(p + start, '\n', size_t(n - start));
            const qsizetype lfPos = lf ? static_cast<const char *>(lf) - p : n;
            const void *cr = std::memchr(p + start, '\r', size_t(lfPos - start));
            const qsizetype i = cr ? static_cast<const char *>(cr) - p : lfPos;
            qsizetype next;
            if (i >= n) {
                if (!atEnd)
                    break; // the line may go on in the next chunk
                next = n;
            } else if (p[i] == '\r') {
                if (i + 1 >= n && !atEnd)
                    break; // a CR LF may be split between chunks
                next = (i + 1 < n && p[i + 1] == '\n') ? i + 2 : i + 1;
            } else {
                next = i + 1;
            }
            addLine(LineSpan{start, i, next});
            m_scanned = next;
        }
        if (atEnd) {
            if (!sections.isEmpty())
                sections.last().endLine = int(lines.size());
            m_complete = true;
        }
    }

    void addLine(const LineSpan &line)
    {
        const char *p = data.constData();
        if (!m_eolSeen && line.next > line.end) {
            eol = QByteArray(p + line.end, line.next - line.end);
            m_eolSeen = true;
        }
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        const int index = int(lines.size());
        lines.append(line);
        const bool header = e - s >= 2 && p[s] == '[' && p[e - 1] == ']';
        m_recognition.line(p, s, e, header);
        if (header) {
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(p, ns, ne);
            if (!sections.isEmpty())
                sections.last().endLine = index;
            sections.append(DirectSection{decode(p, ns, ne), line.start, index + 1, index + 1});
            // A name given twice is found at its first section.
            const QString folded = foldedName(sections.last().name);
            if (!m_firstByName.contains(folded))
                m_firstByName.insert(folded, int(sections.size()) - 1);
        } else if (!sections.isEmpty()) {
            sections.last().endLine = index + 1;
        }
    }

    QString m_path;
    QString m_readError;
    Recognition m_recognition;
    QHash<QString, int> m_firstByName; // case-folded name -> first section
    qsizetype m_scanned = 0;
    bool m_complete = false;
    bool m_eolSeen = false;
};

using Profile::FileStamp;
using Profile::StampOf;

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

struct MemoryEntry
{
    QByteArray content;
    std::shared_ptr<DirectParse> parse; // made on first use
};

QHash<QString, MemoryEntry> &memoryFiles()
{
    static QHash<QString, MemoryEntry> files;
    return files;
}

MemoryEntry *memoryFile(const QString &path)
{
    auto &files = memoryFiles();
    if (files.isEmpty())
        return nullptr;
    const auto it = files.find(path);
    return it == files.end() ? nullptr : &it.value();
}

// The parse of a file as it is now; a missing or unreadable file parses
// empty. The parse is kept while the file's size, times and inode stay
// the same, so a history reload reads a large file once, and any change
// on disk is seen by the next call.
std::shared_ptr<DirectParse> directParse(const QString &path)
{
    if (MemoryEntry *memory = memoryFile(path)) {
        if (!memory->parse)
            memory->parse = std::make_shared<DirectParse>(memory->content);
        return memory->parse;
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
    if (stamp.exists && !parse->unreadable())
        cache[key] = CacheEntry{stamp, parse};
    else
        cache.erase(key);
    return parse;
}

// The parse of a file for a ProfileFile, which holds it from then on.
std::shared_ptr<DirectParse> heldParse(const QString &path, std::shared_ptr<void> &held)
{
    auto parse = directParse(path);
    held = parse;
    return parse;
}

// Finds the line of a key in a section of a direct parse: -1 when absent.
int findDirectKey(const DirectParse &parse, const DirectSection &section, const QString &key,
                  qsizetype *valueStart, qsizetype *valueEnd)
{
    const char *p = parse.data.constData();
    for (int i = section.firstLine; i < section.endLine; ++i) {
        const LineSpan &line = parse.lines.at(i);
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        if (s == e || p[s] == ';')
            continue;
        const void *eq = std::memchr(p + s, '=', size_t(e - s));
        if (!eq)
            continue;
        const qsizetype eqPos = static_cast<const char *>(eq) - p;
        qsizetype ks = s;
        qsizetype ke = eqPos;
        trimSpan(p, ks, ke);
        if (!sameName(decode(p, ks, ke), key))
            continue;
        qsizetype vs = eqPos + 1;
        qsizetype ve = e;
        trimSpan(p, vs, ve);
        if (valueStart)
            *valueStart = vs;
        if (valueEnd)
            *valueEnd = ve;
        return i;
    }
    return -1;
}

const QString &unrecognisedReason()
{
    static const QString reason =
        QCoreApplication::translate("Files", "The file holds no sections this program can read; it was left as it was");
    return reason;
}

[[noreturn]] void failWrite(const QString &path, const QString &reason)
{
    throw AppError(QCoreApplication::translate("Files", "Unable to write to %1. %2").arg(path, reason));
}

// A direct write rewrites the whole file from its parse: a file that
// could not be read, or whose content the parse cannot make sense of,
// would lose what it holds.
void checkWritable(const QString &path, DirectParse &parse)
{
    if (parse.unreadable())
        failWrite(path, parse.readError());
    if (!parse.recognisable())
        failWrite(path, unrecognisedReason());
}

// Replaces what a memory file holds; false when path is not one.
bool writeMemoryFile(const QString &path, const QByteArray &content)
{
    MemoryEntry *memory = memoryFile(path);
    if (!memory)
        return false;
    *memory = MemoryEntry{content, nullptr};
    return true;
}

void writeDirect(const QString &path, const QByteArray &content)
{
    if (writeMemoryFile(path, content))
        return;
    directCache().erase(path.toStdString());
    const QString reason = Profile::ReplaceFile(path, content);
    if (!reason.isEmpty())
        failWrite(path, reason);
}

} // namespace

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

// One pass over a file through a fixed buffer, finding its header lines as
// LoadSections does. Only a line that begins with "[" is held whole (it may
// be a header); every other line is stepped over.
class Indexer
{
public:
    explicit Indexer(Profile::SectionIndex &index)
        : m_index(index)
    {
    }

    void feed(const char *p, qsizetype n, qint64 at)
    {
        qsizetype i = 0;
        if (m_first) {
            // A buffer holds the first bytes that tell UTF-16, unless the
            // file is shorter.
            m_first = false;
            m_start = QByteArray(p, qMin<qsizetype>(n, Utf16Window));
            if (m_start.startsWith(Profile::Utf8Bom))
                i = Profile::Utf8Bom.size();
        }
        while (i < n) {
            if (m_afterCr) {
                m_afterCr = false;
                if (p[i] == '\n') {
                    ++i;
                    m_lineStart = at + i;
                    continue;
                }
            }
            if (!m_lineOpen) {
                m_lineOpen = true;
                m_lineStart = at + i;
                if (m_bodyOpen) {
                    m_index.sections.last().bodyStart = m_lineStart;
                    m_bodyOpen = false;
                }
            }
            // To the end of this line, or of the buffer.
            const void *lf = std::memchr(p + i, '\n', size_t(n - i));
            const qsizetype stop = lf ? static_cast<const char *>(lf) - p : n;
            const void *cr = std::memchr(p + i, '\r', size_t(stop - i));
            const qsizetype end = cr ? static_cast<const char *>(cr) - p : stop;
            take(p + i, end - i);
            if (end == n)
                return; // the line goes on in the next buffer
            endLine();
            m_afterCr = p[end] == '\r';
            i = end + 1;
        }
    }

    void finish(qint64 size)
    {
        if (m_lineOpen)
            endLine();
        if (m_bodyOpen)
            m_index.sections.last().bodyStart = size;
        if (!m_index.sections.isEmpty())
            m_index.sections.last().bodyEnd = size;
        m_index.recognisable = !startsAsUtf16(m_start) && (m_sections || !m_strayText);
    }

private:
    // Bytes of the open line.
    void take(const char *p, qsizetype n)
    {
        qsizetype k = 0;
        if (!m_seen) {
            while (k < n && isBlank(p[k]))
                ++k;
            if (k == n)
                return;
            m_seen = true;
            m_firstChar = p[k];
        }
        if (m_firstChar == '[')
            m_head.append(p + k, n - k);
    }

    void endLine()
    {
        const bool header = m_seen && m_firstChar == '[' && headerBytes();
        if (header) {
            m_sections = true;
            if (!m_index.sections.isEmpty())
                m_index.sections.last().bodyEnd = m_lineStart;
            qsizetype s = 0;
            qsizetype e = m_head.size();
            trimSpan(m_head.constData(), s, e);
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(m_head.constData(), ns, ne);
            m_index.sections.append(Profile::IndexedSection{decode(m_head.constData(), ns, ne), 0, 0});
            m_bodyOpen = true;
        } else if (!m_sections && m_seen && m_firstChar != ';') {
            m_strayText = true;
        }
        m_lineOpen = false;
        m_seen = false;
        m_head.clear();
    }

    // A "[" line is a header when its last character that is not blank is
    // "]" and it holds two characters or more.
    bool headerBytes() const
    {
        qsizetype s = 0;
        qsizetype e = m_head.size();
        trimSpan(m_head.constData(), s, e);
        return e - s >= 2 && m_head.at(e - 1) == ']';
    }

    Profile::SectionIndex &m_index;
    QByteArray m_start; // the first bytes of the file
    bool m_first = true;
    bool m_afterCr = false;
    bool m_lineOpen = false;
    bool m_bodyOpen = false;
    qint64 m_lineStart = 0;
    bool m_seen = false; // the open line has a character that is not blank
    char m_firstChar = 0;
    QByteArray m_head; // the bytes of an open line that begins with "["
    bool m_sections = false;
    bool m_strayText = false;
};

struct IndexEntry
{
    FileStamp stamp;
    std::shared_ptr<const Profile::SectionIndex> index;
};

std::unordered_map<std::string, IndexEntry> &indexCache()
{
    static std::unordered_map<std::string, IndexEntry> cache;
    return cache;
}

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

int CountSectionsInMemory(const QByteArray &data)
{
    int count = 0;
    const char *p = data.constData();
    forEachLine(data, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']')
            ++count;
    }, bomLength(data));
    return count;
}

void ForEachIniLine(QByteArrayView view, const std::function<void(const IniLine &)> &visit)
{
    const QByteArray data = QByteArray::fromRawData(view.data(), view.size());
    const char *p = data.constData();
    forEachLine(data, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        IniLine out;
        if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']') {
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(p, ns, ne);
            out.kind = IniLine::Kind::Header;
            out.name = QByteArrayView(p + ns, ne - ns);
        } else if (s < e && p[s] != ';') {
            if (const void *eq = std::memchr(p + s, '=', size_t(e - s))) {
                const qsizetype eqPos = static_cast<const char *>(eq) - p;
                qsizetype ks = s;
                qsizetype ke = eqPos;
                trimSpan(p, ks, ke);
                qsizetype vs = eqPos + 1;
                qsizetype ve = e;
                trimSpan(p, vs, ve);
                out.kind = IniLine::Kind::Key;
                out.name = QByteArrayView(p + ks, ke - ks);
                out.value = QByteArrayView(p + vs, ve - vs);
            }
        }
        visit(out);
    }, bomLength(data));
}

QString DirectValueOf(QByteArrayView stored)
{
    const char *p = stored.data();
    qsizetype vs = 0;
    qsizetype ve = stored.size();
    if (ve - vs >= 2 && (p[vs] == '"' || p[vs] == '\'') && p[ve - 1] == p[vs]) {
        ++vs;
        --ve;
    }
    // Decode no more than the limit can need (4 bytes a character).
    const qsizetype maxBytes = qsizetype(ProfileFile::DirectValueLimit) * 4;
    return cutToCodePoints(decode(p, vs, qMin(ve, vs + maxBytes)), ProfileFile::DirectValueLimit);
}

void ClearDirectCache()
{
    directCache().clear();
    indexCache().clear();
}

std::shared_ptr<const SectionIndex> IndexSections(const QString &path)
{
    const FileStamp stamp = StampOf(path);
    auto &cache = indexCache();
    const std::string key = path.toStdString();
    const auto it = cache.find(key);
    if (stamp.exists && it != cache.end() && it->second.stamp == stamp)
        return it->second.index;
    auto index = std::make_shared<SectionIndex>();
    cache.erase(key);
    const bool memory = IsMemoryFile(path);
    if (!stamp.exists && !memory)
        return index;
    index->exists = true;
    Indexer indexer(*index);
    qint64 size = 0;
    if (memory) {
        const QByteArray bytes = MemoryFile(path);
        indexer.feed(bytes.constData(), bytes.size(), 0);
        size = bytes.size();
    } else {
        QString reason;
        const int fd = Profile::OpenForReading(path, &reason);
        QFile file;
        if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
            index->problem = fd < 0 ? reason : file.errorString();
            return index;
        }
        QByteArray buffer(qsizetype(1) << 20, Qt::Uninitialized);
        for (;;) {
            const qint64 got = file.read(buffer.data(), buffer.size());
            if (got < 0) {
                index->problem = file.errorString();
                index->sections.clear();
                return index;
            }
            if (got == 0)
                break;
            indexer.feed(buffer.constData(), got, size);
            size += got;
        }
    }
    indexer.finish(size);
    index->stamp = stamp;
    // Kept only when the file was the same before and after the pass.
    if (!memory && StampOf(path) == stamp && size == stamp.size)
        cache[key] = IndexEntry{stamp, index};
    return index;
}

QByteArray ReadIndexedBytes(const QString &path, const SectionIndex &index, qint64 start, qint64 end)
{
    if (IsMemoryFile(path))
        return MemoryFile(path).mid(start, end - start);
    const auto unchanged = [&] {
        const FileStamp now = StampOf(path);
        return now.exists && now == index.stamp;
    };
    if (!unchanged())
        return QByteArray();
    QString reason;
    const int fd = Profile::OpenForReading(path, &reason);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) || !file.seek(start))
        return QByteArray();
    QByteArray bytes = file.read(end - start);
    if (bytes.size() != end - start || !unchanged())
        return QByteArray();
    return bytes;
}

namespace {

// The bytes that put a section after the last line of a file of `size`
// bytes, read through `read` (at, length); see AppendSection.
QByteArray appendedSection(qint64 size, const std::function<QByteArray(qint64, qint64)> &read,
                           const QString &section, const QStringList &lines)
{
    constexpr qint64 step = 4096;
    const qint64 bom = size >= Utf8Bom.size() && read(0, Utf8Bom.size()) == Utf8Bom ? Utf8Bom.size() : 0;
    QByteArray eol = QByteArrayLiteral("\r\n");
    for (qint64 at = bom; at < size; at += step) {
        // A byte more, for a CR LF across two steps.
        const QByteArray chunk = read(at, step + 1);
        const qsizetype n = chunk.size();
        const qsizetype i = std::find_if(chunk.cbegin(), chunk.cbegin() + qMin<qsizetype>(n, step),
                                         [](char c) { return c == '\r' || c == '\n'; })
            - chunk.cbegin();
        if (i < qMin<qsizetype>(n, step)) {
            eol = chunk.at(i) == '\n' ? QByteArrayLiteral("\n")
                : i + 1 < n && chunk.at(i + 1) == '\n' ? QByteArrayLiteral("\r\n")
                                                      : QByteArrayLiteral("\r");
            break;
        }
    }
    QByteArray out;
    if (size > bom) {
        // The end of the last line, before the line break that ends the file.
        const qint64 from = qMax(bom, size - 2);
        const QByteArray end = read(from, size - from);
        qint64 lastEnd = size;
        if (end.endsWith("\r\n"))
            lastEnd -= 2;
        else if (end.endsWith('\n') || end.endsWith('\r'))
            lastEnd -= 1;
        else
            out += eol;
        // Back over the last line's blanks to a line break or to something.
        bool holds = false;
        bool told = false;
        for (qint64 stop = lastEnd; stop > bom && !told;) {
            const qint64 start = qMax(bom, stop - step);
            const QByteArray chunk = read(start, stop - start);
            for (qsizetype i = chunk.size(); i-- > 0 && !told;) {
                const char c = chunk.at(i);
                told = c == '\r' || c == '\n' || !isBlank(c);
                holds = told && !isBlank(c);
            }
            stop = start;
        }
        if (holds)
            out += eol;
    }
    out += '[' + EncodeText(oneLine(section)) + ']' + eol;
    for (const QString &line : lines)
        out += EncodeText(oneLine(line)) + eol;
    return out + eol;
}

[[noreturn]] void failOpen(const QString &path, const QString &reason)
{
    throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
}

[[noreturn]] void failCreate(const QString &path, const QString &reason)
{
    if (reason == ReadOnlyReason())
        failWrite(path, reason);
    throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(path, reason));
}

} // namespace

void AppendSection(const QString &path, const QString &section, const QStringList &lines)
{
    const FileLock lock(path);
    for (int attempt = 1;; ++attempt) {
        const auto index = IndexSections(path);
        if (!index->problem.isEmpty())
            failOpen(path, index->problem);
        if (!index->recognisable)
            failCreate(path, unrecognisedReason());
        if (MemoryEntry *memory = memoryFile(path)) {
            const QByteArray old = memory->content;
            const auto read = [&old](qint64 at, qint64 n) { return old.mid(at, n); };
            writeMemoryFile(path, old + appendedSection(old.size(), read, section, lines));
            return;
        }
        QString reason;
        if (!index->exists) {
            // Nothing there, or something that is not a file: it says why.
            struct stat st;
            if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
                const int fd = OpenForReading(path, &reason);
                if (fd < 0)
                    failOpen(path, reason);
                ::close(fd);
                if (attempt < 3)
                    continue; // a file came meanwhile
                failCreate(path, ChangedReason());
            }
            reason = ReplaceFile(path, appendedSection(0, {}, section, lines));
        } else {
            const int fd = OpenForReading(path, &reason);
            if (fd < 0)
                failOpen(path, reason);
            const auto read = [fd](qint64 at, qint64 n) {
                QByteArray bytes(n, Qt::Uninitialized);
                const ssize_t got = ::pread(fd, bytes.data(), size_t(n), off_t(at));
                bytes.resize(got < 0 ? 0 : got);
                return bytes;
            };
            const QByteArray added = appendedSection(index->stamp.size, read, section, lines);
            ::close(fd);
            reason = ReplaceFileAppending(path, index->stamp, added);
        }
        directCache().erase(path.toStdString());
        // A file changed between its index and the write is indexed again.
        if (reason == ChangedReason() && attempt < 3)
            continue;
        if (!reason.isEmpty())
            failCreate(path, reason);
        return;
    }
}

QStringList DirectSectionNames(const QStringList &names)
{
    QStringList list;
    qsizetype room = ProfileFile::DirectSectionNamesLimit - 1;
    for (const QString &name : names) {
        if (!appendCapped(list, name, room))
            break;
    }
    return list;
}

void SetMemoryFile(const QString &path, const QByteArray &content)
{
    memoryFiles().insert(path, MemoryEntry{content, nullptr});
}

QByteArray MemoryFile(const QString &path)
{
    const MemoryEntry *memory = memoryFile(path);
    return memory ? memory->content : QByteArray();
}

bool IsMemoryFile(const QString &path) { return memoryFile(path) != nullptr; }

void RemoveMemoryFiles() { memoryFiles().clear(); }

Copy LoadCopy(QByteArrayView data)
{
    QVector<QByteArrayView> bodies;
    Copy copy = LoadSections(data, &bodies);
    for (qsizetype i = 0; i < copy.sections.size(); ++i)
        DecodeSectionLines(bodies.at(i), copy.sections[i].lines);
    return copy;
}

Copy LoadSections(QByteArrayView data, QVector<QByteArrayView> *bodies)
{
    Copy copy;
    copy.bom = bomLength(data) > 0;
    const char *p = data.data();
    Recognition recognition;
    bodies->clear();
    forEachLine(data, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        const bool header = e - s >= 2 && p[s] == '[' && p[e - 1] == ']';
        recognition.line(p, s, e, header);
        if (!header)
            return;
        qsizetype ns = s + 1;
        qsizetype ne = e - 1;
        trimSpan(p, ns, ne);
        if (!bodies->isEmpty())
            bodies->last() = QByteArrayView(bodies->last().data(), p + line.start - bodies->last().data());
        copy.sections.append(CopySection{decode(p, ns, ne), {}});
        bodies->append(QByteArrayView(p + line.next, data.size() - line.next));
    }, bomLength(data));
    copy.recognisable = recognition.recognisable(startsAsUtf16(data));
    return copy;
}

void DecodeSectionLines(QByteArrayView body, QVector<QString> &lines)
{
    const char *p = body.data();
    forEachLine(body, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        if (s == e || p[s] == ';')
            return;
        const void *eq = std::memchr(p + s, '=', size_t(e - s));
        if (!eq) {
            lines.append(decode(p, s, e));
            return;
        }
        const qsizetype eqPos = static_cast<const char *>(eq) - p;
        qsizetype ks = s;
        qsizetype ke = eqPos;
        trimSpan(p, ks, ke);
        qsizetype vs = eqPos + 1;
        qsizetype ve = e;
        trimSpan(p, vs, ve);
        lines.append(decode(p, ks, ke) + QLatin1Char('=') + decode(p, vs, ve));
    });
}

namespace {

// The lines of an undecoded section as SaveCopy writes them, straight
// from its bytes: decoding keeps every byte, so this is what SaveCopy
// makes of the decoded lines.
void appendSavedBody(QByteArray &out, QByteArrayView body)
{
    const char *p = body.data();
    forEachLine(body, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        if (s == e || p[s] == ';')
            return;
        const void *eq = std::memchr(p + s, '=', size_t(e - s));
        if (eq) {
            const qsizetype eqPos = static_cast<const char *>(eq) - p;
            qsizetype ks = s;
            qsizetype ke = eqPos;
            trimSpan(p, ks, ke);
            qsizetype vs = eqPos + 1;
            qsizetype ve = e;
            trimSpan(p, vs, ve);
            out.append(p + ks, ke - ks);
            out.append('=');
            out.append(p + vs, ve - vs);
        } else {
            out.append(p + s, e - s);
        }
        out.append("\r\n");
    });
}

} // namespace

QByteArray SaveCopy(const QVector<CopySection> &sections, bool bom) { return SaveCopy(sections, {}, bom); }

QByteArray SaveCopy(const QVector<CopySection> &sections, const QVector<QByteArrayView> &undecoded, bool bom)
{
    const auto bodyOf = [&](qsizetype i) { return i < undecoded.size() ? undecoded.at(i) : QByteArrayView(); };
    QByteArray out;
    qsizetype size = 0;
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const CopySection &s = sections.at(i);
        size += s.name.size() + 6 + bodyOf(i).size();
        for (const QString &line : s.lines)
            size += line.size() + 2;
    }
    out.reserve(size + size / 8 + Utf8Bom.size());
    if (bom)
        out.append(Utf8Bom);
    for (qsizetype i = 0; i < sections.size(); ++i) {
        const CopySection &s = sections.at(i);
        out.append('[');
        AppendEncoded(out, s.name);
        out.append("]\r\n");
        if (!bodyOf(i).isNull()) {
            appendSavedBody(out, bodyOf(i));
        } else {
            for (const QString &line : s.lines) {
                AppendEncoded(out, line);
                out.append("\r\n");
            }
        }
        out.append("\r\n");
    }
    return out;
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
    if (const MemoryEntry *memory = memoryFile(path)) {
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
    return heldParse(m_path, m_heldParse)->recognisable();
}

QString ProfileFile::ReadProblem() const
{
    if (m_access == Access::Direct) {
        const auto parse = heldParse(m_path, m_heldParse);
        if (parse->unreadable())
            return parse->readError();
    }
    return Recognisable() ? QString() : unrecognisedReason();
}

bool ProfileFile::HasSection(const QString &section) const
{
    if (m_access == Access::InMemory)
        return findSection(section) >= 0;
    return heldParse(m_path, m_heldParse)->find(section) >= 0;
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
    const auto parse = heldParse(m_path, m_heldParse);
    // Room for the names and their terminators, less the final terminator.
    qsizetype room = DirectSectionNamesLimit - 1;
    for (int i = 0; (maxCount < 0 || i < maxCount) && parse->has(i); ++i) {
        if (!appendCapped(list, parse->sections.at(i).name, room))
            break;
    }
}

QString ProfileFile::ReadText(const QString &section, const QString &key, const QString &defaultText) const
{
    if (m_access == Access::InMemory) {
        const int s = findSection(section);
        if (s < 0)
            return defaultText;
        const Section &sec = decoded(s);
        const int k = findKey(sec, key);
        if (k < 0)
            return defaultText;
        const QString &line = sec.lines.at(k);
        return line.mid(line.indexOf(QLatin1Char('=')) + 1);
    }
    const auto parse = heldParse(m_path, m_heldParse);
    const int s = parse->find(section);
    if (s < 0)
        return defaultText;
    qsizetype vs = 0;
    qsizetype ve = 0;
    if (findDirectKey(*parse, parse->sections.at(s), key, &vs, &ve) < 0)
        return defaultText;
    return Profile::DirectValueOf(QByteArrayView(parse->data.constData() + vs, ve - vs));
}

qint32 ProfileFile::ReadNumber(const QString &section, const QString &key, qint32 defaultValue) const
{
    qint32 value = 0;
    return Profile::ParseNumber(ReadText(section, key, QString()), &value) ? value : defaultValue;
}

void ProfileFile::WriteText(const QString &sectionName, const QString &keyName, const QString &valueText)
{
    const QString section = oneLine(sectionName);
    const QString key = oneLine(keyName);
    const QString value = oneLine(valueText);
    if (m_access == Access::InMemory) {
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
        return;
    }

    const Profile::FileLock lock(m_path);
    const auto parse = heldParse(m_path, m_heldParse);
    parse->readAll();
    checkWritable(m_path, *parse);
    const QByteArray &data = parse->data;
    const char *p = data.constData();
    const QByteArray &eol = parse->eol;
    const QByteArray keyBytes = Profile::EncodeText(key);
    const QByteArray valueBytes = Profile::EncodeText(value);
    QByteArray out;
    const int s = parse->find(section);
    if (s >= 0) {
        const DirectSection &sec = parse->sections.at(s);
        qsizetype vs = 0;
        qsizetype ve = 0;
        const int k = findDirectKey(*parse, sec, key, &vs, &ve);
        if (k >= 0) {
            // Keep the line's key and spacing up to the value; replace the value.
            const LineSpan &line = parse->lines.at(k);
            const void *eq = std::memchr(p + line.start, '=', size_t(line.end - line.start));
            const qsizetype valuePos = static_cast<const char *>(eq) - p + 1;
            out.reserve(data.size() + valueBytes.size());
            out.append(p, valuePos);
            out.append(valueBytes);
            out.append(p + line.end, data.size() - line.end);
        } else {
            // After the section's last line that holds something.
            int last = sec.firstLine - 1; // the header
            for (int i = sec.firstLine; i < sec.endLine; ++i) {
                const LineSpan &line = parse->lines.at(i);
                qsizetype ls = line.start;
                qsizetype le = line.end;
                trimSpan(p, ls, le);
                if (ls < le)
                    last = i;
            }
            const LineSpan &after = parse->lines.at(last);
            out.append(p, after.next);
            if (after.next == after.end) // the file ends without a line break
                out.append(eol);
            out.append(keyBytes + '=' + valueBytes + eol);
            out.append(p + after.next, data.size() - after.next);
        }
    } else {
        out = data;
        if (!out.isEmpty()) {
            if (!out.endsWith('\n') && !out.endsWith('\r'))
                out.append(eol);
            // One empty line between the last section and the new one.
            if (!parse->lines.isEmpty()) {
                const LineSpan &lastLine = parse->lines.last();
                qsizetype ls = lastLine.start;
                qsizetype le = lastLine.end;
                trimSpan(p, ls, le);
                if (ls < le)
                    out.append(eol);
            }
        }
        out.append('[' + Profile::EncodeText(section) + ']' + eol);
        out.append(keyBytes + '=' + valueBytes + eol);
    }
    writeDirect(m_path, out);
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
    const auto parse = heldParse(m_path, m_heldParse);
    const int s = parse->find(section);
    if (s < 0)
        return;
    parse->readAll();
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
    const auto parse = directParse(m_path);
    parse->readAll();
    // Each name takes the first section of that name still standing, as
    // DeleteSection does one call after another.
    QHash<QString, int> wanted;
    for (const QString &name : names)
        ++wanted[foldedName(name)];
    QVector<bool> gone(parse->sections.size(), false);
    bool any = false;
    for (int i = 0; i < parse->sections.size(); ++i) {
        const auto it = wanted.find(foldedName(parse->sections.at(i).name));
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

void ProfileFile::RenewSection(const QString &section, const QString &newName)
{
    const int s = findSection(section);
    if (m_access == Access::InMemory && s >= 0) {
        m_sections[s] = Section{oneLine(newName), {}};
        m_undecoded[s] = QByteArrayView();
    }
}

void ProfileFile::WriteBack()
{
    if (m_access == Access::Direct)
        return; // every direct write is already in the file
    if (!m_recognisable)
        throw AppError(
            QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(m_path, unrecognisedReason()));
    const QByteArray out = Profile::SaveCopy(m_sections, m_undecoded, m_bom);
    if (writeMemoryFile(m_path, out))
        return;
    const QString reason = Profile::ReplaceFile(m_path, out);
    if (reason == Profile::ReadOnlyReason())
        failWrite(m_path, reason);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(m_path, reason));
    directCache().erase(m_path.toStdString());
}

void ProfileFile::DiscardCopy()
{
    m_sections.clear();
    m_undecoded.clear();
    m_bytes.clear();
}
