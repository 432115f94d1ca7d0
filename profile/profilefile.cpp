#include "profile/profilefile.h"

#include "platform/platform.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSaveFile>

#include <sys/stat.h>
#include <unistd.h>

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
void forEachLine(const QByteArray &data, F &&f)
{
    const char *p = data.constData();
    const qsizetype n = data.size();
    qsizetype i = 0;
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
    return QString::fromUtf8(p + start, end - start);
}

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
    {
        m_file.setFileName(path);
        m_complete = path.isEmpty() || !m_file.open(QIODevice::ReadOnly);
        if (!m_complete)
            data.reserve(m_file.size() + 1);
    }

    QByteArray data;
    QVector<LineSpan> lines;
    QVector<DirectSection> sections;
    QByteArray eol = QByteArrayLiteral("\r\n");

    bool complete() const { return m_complete; }

    // Index of the first section of that name, with its extent known; -1.
    int find(const QString &name)
    {
        const QString folded = name.toCaseFolded();
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
    void scanMore()
    {
        // Small steps at first, so that a caller who needs only the head
        // of a large file reads little more than that; then half again
        // of what is held, so that a whole file takes few reads.
        const qint64 chunk = qMax<qint64>(qint64(256) << 10, data.size() / 2);
        const qsizetype had = data.size();
        data.resize(had + chunk); // within the reserve unless the file grew
        const qint64 got = m_file.read(data.data() + had, chunk);
        data.resize(had + qMax<qint64>(got, 0));
        const bool atEnd = got <= 0;
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
            m_file.close();
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
        if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']') {
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(p, ns, ne);
            if (!sections.isEmpty())
                sections.last().endLine = index;
            sections.append(DirectSection{decode(p, ns, ne), line.start, index + 1, index + 1});
            // A name given twice is found at its first section.
            const QString folded = sections.last().name.toCaseFolded();
            if (!m_firstByName.contains(folded))
                m_firstByName.insert(folded, int(sections.size()) - 1);
        } else if (!sections.isEmpty()) {
            sections.last().endLine = index + 1;
        }
    }

    QFile m_file;
    QHash<QString, int> m_firstByName; // case-folded name -> first section
    qsizetype m_scanned = 0;
    bool m_complete = false;
    bool m_eolSeen = false;
};

struct FileStamp
{
    bool exists = false;
    qint64 size = 0;
    qint64 mtimeNs = 0;
    qint64 ctimeNs = 0;
    quint64 inode = 0;
    bool operator==(const FileStamp &) const = default;
};

FileStamp stampOf(const QString &path)
{
    FileStamp stamp;
    struct stat st;
    const QByteArray native = QFile::encodeName(path);
    if (::stat(native.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return stamp;
    stamp.exists = true;
    stamp.size = qint64(st.st_size);
    stamp.mtimeNs = qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec;
    stamp.ctimeNs = qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec;
    stamp.inode = quint64(st.st_ino);
    return stamp;
}

struct CacheEntry
{
    FileStamp stamp;
    std::shared_ptr<DirectParse> parse;
};

std::unordered_map<std::string, CacheEntry> &directCache()
{
    static std::unordered_map<std::string, CacheEntry> cache;
    return cache;
}

// The parse of a file as it is now; a missing or unreadable file parses
// empty. The parse is kept while the file's size, times and inode stay
// the same, so a history reload reads a large file once, and any change
// on disk is seen by the next call.
std::shared_ptr<DirectParse> directParse(const QString &path)
{
    const FileStamp stamp = stampOf(path);
    auto &cache = directCache();
    const std::string key = path.toStdString();
    const auto it = cache.find(key);
    if (it != cache.end() && it->second.stamp == stamp && stamp.exists)
        return it->second.parse;
    auto parse = std::make_shared<DirectParse>(stamp.exists ? path : QString());
    if (stamp.exists)
        cache[key] = CacheEntry{stamp, parse};
    else
        cache.erase(key);
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

[[noreturn]] void failWrite(const QString &path)
{
    throw AppError(QStringLiteral("Unable to write to %1").arg(path));
}

// Replaces the file with new content through a temporary file and a
// rename. Returns an empty text on success, else the system's reason.
QString replaceFile(const QString &path, const QByteArray &content)
{
    const QFileInfo info(path);
    if (info.exists() && !info.isFile())
        return QStringLiteral("Is a directory");
    if (info.exists() && ::access(QFile::encodeName(path).constData(), W_OK) != 0)
        return QStringLiteral("Permission denied");
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(content) != content.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

void writeDirect(const QString &path, const QByteArray &content)
{
    if (!replaceFile(path, content).isEmpty())
        failWrite(path);
    directCache().erase(path.toStdString());
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
    });
    return count;
}

void ClearDirectCache() { directCache().clear(); }

} // namespace Profile

// ---------------------------------------------------------------- ProfileFile

ProfileFile::ProfileFile(const QString &path, Access access)
    : m_path(path)
    , m_access(access)
{
    if (m_access == Access::Direct)
        return;
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason = info.isDir() ? QStringLiteral("Is a directory") : file.errorString();
        throw AppError(QStringLiteral("Cannot open file \"%1\". %2").arg(path, reason));
    }
    const QByteArray data = file.readAll();
    const char *p = data.constData();
    Section *current = nullptr;
    forEachLine(data, [&](const LineSpan &line) {
        qsizetype s = line.start;
        qsizetype e = line.end;
        trimSpan(p, s, e);
        if (s == e || p[s] == ';')
            return;
        if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']') {
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(p, ns, ne);
            m_sections.append(Section{decode(p, ns, ne), {}});
            current = &m_sections.last();
            return;
        }
        if (!current)
            return;
        const void *eq = std::memchr(p + s, '=', size_t(e - s));
        if (!eq) {
            current->lines.append(decode(p, s, e));
            return;
        }
        const qsizetype eqPos = static_cast<const char *>(eq) - p;
        qsizetype ks = s;
        qsizetype ke = eqPos;
        trimSpan(p, ks, ke);
        qsizetype vs = eqPos + 1;
        qsizetype ve = e;
        trimSpan(p, vs, ve);
        current->lines.append(decode(p, ks, ke) + QLatin1Char('=') + decode(p, vs, ve));
    });
}

ProfileFile::~ProfileFile() = default;

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

bool ProfileFile::HasSection(const QString &section) const
{
    if (m_access == Access::InMemory)
        return findSection(section) >= 0;
    return directParse(m_path)->find(section) >= 0;
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
    const auto parse = directParse(m_path);
    // Room for the names and their terminators, less the final terminator.
    qsizetype room = DirectSectionNamesLimit - 1;
    for (int i = 0; (maxCount < 0 || i < maxCount) && parse->has(i); ++i) {
        const QByteArray bytes = parse->sections.at(i).name.toUtf8();
        if (bytes.size() + 1 <= room) {
            list.append(parse->sections.at(i).name);
            room -= bytes.size() + 1;
            continue;
        }
        // The last name that fits in part is cut at a character boundary.
        qsizetype cut = room - 1;
        while (cut > 0 && (static_cast<unsigned char>(bytes.at(cut)) & 0xC0) == 0x80)
            --cut;
        if (cut > 0)
            list.append(QString::fromUtf8(bytes.constData(), cut));
        break;
    }
}

QString ProfileFile::ReadText(const QString &section, const QString &key, const QString &defaultText) const
{
    if (m_access == Access::InMemory) {
        const int s = findSection(section);
        if (s < 0)
            return defaultText;
        const int k = findKey(m_sections.at(s), key);
        if (k < 0)
            return defaultText;
        const QString &line = m_sections.at(s).lines.at(k);
        return line.mid(line.indexOf(QLatin1Char('=')) + 1);
    }
    const auto parse = directParse(m_path);
    const int s = parse->find(section);
    if (s < 0)
        return defaultText;
    qsizetype vs = 0;
    qsizetype ve = 0;
    if (findDirectKey(*parse, parse->sections.at(s), key, &vs, &ve) < 0)
        return defaultText;
    const char *p = parse->data.constData();
    if (ve - vs >= 2 && (p[vs] == '"' || p[vs] == '\'') && p[ve - 1] == p[vs]) {
        ++vs;
        --ve;
    }
    // Decode no more than the limit can need (4 bytes a character).
    const qsizetype maxBytes = qsizetype(DirectValueLimit) * 4;
    return cutToCodePoints(decode(p, vs, qMin(ve, vs + maxBytes)), DirectValueLimit);
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
            s = int(m_sections.size()) - 1;
        }
        Section &sec = m_sections[s];
        const int k = findKey(sec, key);
        if (k >= 0) {
            const QString &old = sec.lines.at(k);
            sec.lines[k] = old.left(old.indexOf(QLatin1Char('=')) + 1) + value;
        } else {
            sec.lines.append(key + QLatin1Char('=') + value);
        }
        return;
    }

    const auto parse = directParse(m_path);
    parse->readAll();
    const QByteArray &data = parse->data;
    const char *p = data.constData();
    const QByteArray &eol = parse->eol;
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
            out.reserve(data.size() + value.size() * 3);
            out.append(p, valuePos);
            out.append(value.toUtf8());
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
            out.append(key.toUtf8() + '=' + value.toUtf8() + eol);
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
        out.append('[' + section.toUtf8() + ']' + eol);
        out.append(key.toUtf8() + '=' + value.toUtf8() + eol);
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
        if (s >= 0)
            m_sections.removeAt(s);
        return;
    }
    const auto parse = directParse(m_path);
    if (parse->find(section) < 0)
        return;
    parse->readAll();
    const QByteArray &data = parse->data;
    QByteArray out;
    out.reserve(data.size());
    qsizetype copied = 0;
    for (int i = 0; i < parse->sections.size(); ++i) {
        const DirectSection &sec = parse->sections.at(i);
        if (!sameName(sec.name, section))
            continue;
        const qsizetype end = sec.endLine < parse->lines.size() ? parse->lines.at(sec.endLine).start : data.size();
        out.append(data.constData() + copied, sec.headerStart - copied);
        copied = end;
    }
    out.append(data.constData() + copied, data.size() - copied);
    writeDirect(m_path, out);
}

void ProfileFile::WriteBack()
{
    if (m_access == Access::Direct)
        return; // every direct write is already in the file
    QByteArray out;
    qsizetype size = 0;
    for (const Section &s : m_sections) {
        size += s.name.size() + 6;
        for (const QString &line : s.lines)
            size += line.size() + 2;
    }
    out.reserve(size + size / 8);
    for (const Section &s : m_sections) {
        out.append('[');
        out.append(s.name.toUtf8());
        out.append("]\r\n");
        for (const QString &line : s.lines) {
            out.append(line.toUtf8());
            out.append("\r\n");
        }
        out.append("\r\n");
    }
    const QString reason = replaceFile(m_path, out);
    if (!reason.isEmpty())
        throw AppError(QStringLiteral("Cannot create file \"%1\". %2").arg(m_path, reason));
    directCache().erase(m_path.toStdString());
}

void ProfileFile::DiscardCopy() { m_sections.clear(); }
