// Appending sections to a file without reading it whole: the bytes that
// follow its last line, written by ReplaceFileAppending under the lock.

#include "profile/profilefile.h"

#include "profile/atomicfile.h"
#include "profile/bytetext.h"
#include "profile/directparse.h"
#include "profile/fileaccess.h"
#include "profile/filefailures.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"
#include "profile/sectionindex.h"

#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

namespace Profile {

namespace {

// The bytes that put a section after the last line of a file of `size`
// bytes, read through `read` (at, length); see AppendSection.
QByteArray appendedSections(qint64 size, const std::function<QByteArray(qint64, qint64)> &read,
                            const QVector<CopySection> &sections)
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
            eol = chunk.at(i) == '\n'                    ? QByteArrayLiteral("\n")
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
                told = c == '\r' || c == '\n' || !IsBlank(c);
                holds = told && !IsBlank(c);
            }
            stop = start;
        }
        if (holds)
            out += eol;
    }
    for (const CopySection &section : sections) {
        out += '[' + EncodeText(OneLine(section.name)) + ']' + eol;
        for (const QString &line : section.lines)
            out += EncodeText(OneLine(line)) + eol;
        out += eol;
    }
    return out;
}

} // namespace

void AppendSection(const QString &path, const QString &section, const QStringList &lines)
{
    AppendSections(path, {CopySection{section, QVector<QString>(lines.cbegin(), lines.cend())}});
}

void AppendSections(const QString &path, const QVector<CopySection> &sections)
{
    const FileLock lock(path);
    for (int attempt = 1;; ++attempt) {
        const auto index = IndexSections(path);
        if (!index->problem.isEmpty())
            FailOpen(path, index->problem);
        if (!index->recognisable)
            FailCreate(path, UnrecognisedReason());
        if (MemoryEntry *memory = FindMemoryFile(path)) {
            const QByteArray old = memory->content;
            const auto read = [&old](qint64 at, qint64 n) { return old.mid(at, n); };
            WriteMemoryFile(path, old + appendedSections(old.size(), read, sections));
            return;
        }
        QString reason;
        if (!index->exists) {
            // Nothing there, or something that is not a file: it says why.
            struct stat st;
            if (::stat(QFile::encodeName(path).constData(), &st) == 0) {
                const int fd = OpenForReading(path, &reason);
                if (fd < 0)
                    FailOpen(path, reason);
                ::close(fd);
                if (attempt < 3)
                    continue; // a file came meanwhile
                FailCreate(path, ChangedReason());
            }
            reason = ReplaceFile(path, appendedSections(0, {}, sections));
        } else {
            const int fd = OpenForReading(path, &reason);
            if (fd < 0)
                FailOpen(path, reason);
            const auto read = [fd](qint64 at, qint64 n) {
                QByteArray bytes(n, Qt::Uninitialized);
                const ssize_t got = ::pread(fd, bytes.data(), size_t(n), off_t(at));
                bytes.resize(got < 0 ? 0 : got);
                return bytes;
            };
            const QByteArray added = appendedSections(index->stamp.size, read, sections);
            ::close(fd);
            reason = ReplaceFileAppending(path, index->stamp, added);
        }
        ForgetParse(path);
        // A file changed between its index and the write is indexed again.
        if (reason == ChangedReason() && attempt < 3)
            continue;
        if (!reason.isEmpty())
            FailCreate(path, reason);
        return;
    }
}

} // namespace Profile
