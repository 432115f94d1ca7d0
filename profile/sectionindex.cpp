#include "profile/sectionindex.h"

#include "profile/bytetext.h"
#include "profile/fileaccess.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"

#include <QFile>

#include <string>
#include <unordered_map>

namespace Profile {
namespace {

// One pass over a file through a fixed buffer, finding its header lines as
// LoadSections does. Only a line that begins with "[" is held whole (it may
// be a header); every other line is stepped over.
class Indexer
{
public:
    explicit Indexer(SectionIndex &index)
        : m_index(index)
    {
    }

    void Feed(const char *p, qsizetype n, qint64 at)
    {
        qsizetype i = 0;
        if (m_first) {
            // A buffer holds the first bytes that tell UTF-16, unless the
            // file is shorter.
            m_first = false;
            m_start = QByteArray(p, qMin<qsizetype>(n, Utf16Window));
            if (m_start.startsWith(Utf8Bom))
                i = Utf8Bom.size();
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
            LineSpan line;
            const bool whole = NextLine(p, n, i, false, &line);
            take(p + i, line.end - i);
            if (line.end == n)
                return; // the line goes on in the next buffer
            endLine();
            m_afterCr = !whole; // a CR that ends the buffer: an LF may follow
            i = whole ? line.next : n;
        }
    }

    void Finish(qint64 size)
    {
        if (m_lineOpen)
            endLine();
        if (m_bodyOpen)
            m_index.sections.last().bodyStart = size;
        if (!m_index.sections.isEmpty())
            m_index.sections.last().bodyEnd = size;
        m_index.recognisable = m_recognition.Recognisable(StartsAsUtf16(m_start));
    }

private:
    // Bytes of the open line.
    void take(const char *p, qsizetype n)
    {
        qsizetype k = 0;
        if (!m_seen) {
            while (k < n && IsBlank(p[k]))
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
        const IniLine head = m_seen && m_firstChar == '[' ? ParseIniLine(m_head) : IniLine();
        IniLine::Kind kind = head.kind;
        if (kind != IniLine::Kind::Header)
            kind = !m_seen || m_firstChar == ';' ? IniLine::Kind::Blank : IniLine::Kind::Other;
        m_recognition.Line(kind);
        if (head.kind == IniLine::Kind::Header) {
            if (!m_index.sections.isEmpty())
                m_index.sections.last().bodyEnd = m_lineStart;
            m_index.sections.append(IndexedSection{DecodeBytes(head.name), 0, 0});
            m_bodyOpen = true;
        }
        m_lineOpen = false;
        m_seen = false;
        m_head.clear();
    }

    SectionIndex &m_index;
    QByteArray m_start; // the first bytes of the file
    bool m_first = true;
    bool m_afterCr = false;
    bool m_lineOpen = false;
    bool m_bodyOpen = false;
    qint64 m_lineStart = 0;
    bool m_seen = false; // the open line has a character that is not blank
    char m_firstChar = 0;
    QByteArray m_head; // the bytes of an open line that begins with "["
    Recognition m_recognition;
};

struct IndexEntry
{
    FileStamp stamp;
    std::shared_ptr<const SectionIndex> index;
};

std::unordered_map<std::string, IndexEntry> &indexCache()
{
    static std::unordered_map<std::string, IndexEntry> cache;
    return cache;
}

} // namespace

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
        indexer.Feed(bytes.constData(), bytes.size(), 0);
        size = bytes.size();
    } else {
        QString reason;
        const int fd = OpenForReading(path, &reason);
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
            indexer.Feed(buffer.constData(), got, size);
            size += got;
        }
    }
    indexer.Finish(size);
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
    const int fd = OpenForReading(path, &reason);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) || !file.seek(start))
        return QByteArray();
    QByteArray bytes = file.read(end - start);
    if (bytes.size() != end - start || !unchanged())
        return QByteArray();
    return bytes;
}

void ForgetSectionIndexes() { indexCache().clear(); }

} // namespace Profile
