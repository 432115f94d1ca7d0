#pragma once

// The line grammar of the program's INI files, in one place: where a line
// ends, which line is a section header, and how a "key=value" line splits.
// Every reader of the files goes by these.

#include "profile/bytetext.h"

#include <QByteArrayView>

#include <cstring>
#include <functional>

namespace Profile {

// Blanks and control characters, which the files trim from names and values.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

inline void TrimSpan(const char *p, qsizetype &start, qsizetype &end)
{
    while (start < end && IsBlank(p[start]))
        ++start;
    while (end > start && IsBlank(p[end - 1]))
        --end;
}

// One line of a file: [start, end) without its line break; next is where
// the following line starts.
struct LineSpan
{
    qsizetype start;
    qsizetype end;
    qsizetype next;
};

// The line that starts at `from` in p[0, n); a line ends at CR, LF or
// CR LF. Unless atEnd, what is held may stop inside a line: false when the
// line reaches n, or ends in a CR at n - 1 (perhaps half of a CR LF), with
// line->end where the held part of the line ends.
inline bool NextLine(const char *p, qsizetype n, qsizetype from, bool atEnd, LineSpan *line)
{
    const void *lf = std::memchr(p + from, '\n', size_t(n - from));
    const qsizetype lfPos = lf ? static_cast<const char *>(lf) - p : n;
    const void *cr = std::memchr(p + from, '\r', size_t(lfPos - from));
    const qsizetype end = cr ? static_cast<const char *>(cr) - p : lfPos;
    *line = LineSpan{from, end, n};
    if (end >= n)
        return atEnd;
    if (p[end] == '\n') {
        line->next = end + 1;
        return true;
    }
    if (end + 1 >= n)
        return atEnd;
    line->next = p[end + 1] == '\n' ? end + 2 : end + 1;
    return true;
}

// Calls f(span) for each line of data from `from` on.
template <typename F>
void ForEachLine(QByteArrayView data, F &&f, qsizetype from = 0)
{
    LineSpan line;
    for (qsizetype i = from; i < data.size(); i = line.next) {
        NextLine(data.data(), data.size(), i, true, &line);
        f(line);
    }
}

// One line as the readers take it, its parts trimmed of blanks and control
// characters: nothing or a comment (";"), a section header "[name]", a
// "key=value" line split at its first "=", or any other text.
struct IniLine
{
    enum class Kind { Blank, Other, Header, Key };
    Kind kind = Kind::Blank;
    QByteArrayView text;   // the whole line, trimmed
    QByteArrayView name;   // of a header or key
    QByteArrayView value;  // of a key
    qsizetype equals = -1; // where the "=" of a key stands in the line
};

inline IniLine ParseIniLine(QByteArrayView line)
{
    const char *p = line.data();
    qsizetype s = 0;
    qsizetype e = line.size();
    TrimSpan(p, s, e);
    IniLine out;
    out.text = QByteArrayView(p + s, e - s);
    if (s == e || p[s] == ';')
        return out;
    if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']') {
        qsizetype ns = s + 1;
        qsizetype ne = e - 1;
        TrimSpan(p, ns, ne);
        out.kind = IniLine::Kind::Header;
        out.name = QByteArrayView(p + ns, ne - ns);
        return out;
    }
    const void *eq = std::memchr(p + s, '=', size_t(e - s));
    if (!eq) {
        out.kind = IniLine::Kind::Other;
        return out;
    }
    out.kind = IniLine::Kind::Key;
    out.equals = static_cast<const char *>(eq) - p;
    qsizetype ke = out.equals;
    TrimSpan(p, s, ke);
    qsizetype vs = out.equals + 1;
    TrimSpan(p, vs, e);
    out.name = QByteArrayView(p + s, ke - s);
    out.value = QByteArrayView(p + vs, e - vs);
    return out;
}

inline IniLine ParseIniLine(const char *p, const LineSpan &line)
{
    return ParseIniLine(QByteArrayView(p + line.start, line.end - line.start));
}

// Calls visit for each line of data (after a leading byte-order mark).
void ForEachIniLine(QByteArrayView data, const std::function<void(const IniLine &)> &visit);

// The next bytes of a file, read in order: puts up to `room` bytes at `to`
// and returns how many it put there, 0 at the end, -1 when a read failed.
using ReadBytes = std::function<qint64(char *to, qint64 room)>;

// The buffer ForEachIniLineRead reads into by default: small enough to
// stay in the cache and to cost few fresh pages, large enough for few reads.
inline constexpr qsizetype IniPiece = qsizetype(256) << 10;

// ForEachIniLine over the bytes read() gives, without holding them all:
// they pass through one buffer of `piece` bytes, reused from piece to
// piece, which grows only to hold a line longer than itself. A line break
// may fall between two pieces (a CR at the end of one, its LF at the start
// of the next). visit also gets where line.text starts among all the
// bytes (the mark included). Returns how many bytes were read, or -1 when
// a read failed (visit may have seen lines before it).
qint64 ForEachIniLineRead(const ReadBytes &read, const std::function<void(const IniLine &, qint64 at)> &visit,
                          qsizetype piece = IniPiece);

// Length of the UTF-8 byte-order mark at the start of data, if any.
inline qsizetype BomLength(QByteArrayView data) { return data.startsWith(Utf8Bom) ? Utf8Bom.size() : 0; }

// The bytes at the start of a file that StartsAsUtf16 looks at.
inline constexpr qsizetype Utf16Window = 4096;

// A file that starts with a UTF-16 byte-order mark is not text this
// program can read or write, whatever its bytes happen to look like; nor
// is UTF-16 without the mark, whose NUL bytes would otherwise pass as
// blanks around sections: a NUL beside a bracket or a line break near the
// start tells it (a NUL inside a value of a UTF-8 file does not).
bool StartsAsUtf16(QByteArrayView data);

// Tells, line by line, whether a file is one this program can make sense
// of: a file of sections, or one holding nothing but blanks and comments.
// Anything else (binary junk, a text without a single section) would be
// lost by a rewrite.
class Recognition
{
public:
    void Line(IniLine::Kind kind)
    {
        if (kind == IniLine::Kind::Header)
            m_sections = true;
        else if (!m_sections && kind != IniLine::Kind::Blank)
            m_strayText = true;
    }
    bool Sections() const { return m_sections; }
    bool Recognisable(bool utf16) const { return !utf16 && (m_sections || !m_strayText); }

private:
    bool m_sections = false;
    bool m_strayText = false;
};

} // namespace Profile
