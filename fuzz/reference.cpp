#include "fuzz/reference.h"

#include <algorithm>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <string>

namespace Reference {

void Fail(const char *condition, const char *file, int line)
{
    std::fprintf(stderr, "\n%s:%d: check failed: %s\n", file, line, condition);
    std::fflush(stderr);
    std::abort();
}

QByteArrayView Trimmed(QByteArrayView bytes)
{
    while (!bytes.isEmpty() && IsBlank(bytes.front()))
        bytes = bytes.sliced(1);
    while (!bytes.isEmpty() && IsBlank(bytes.back()))
        bytes.chop(1);
    return bytes;
}

QStringView Trimmed(QStringView text)
{
    while (!text.isEmpty() && text.front().unicode() <= 0x20)
        text = text.sliced(1);
    while (!text.isEmpty() && text.back().unicode() <= 0x20)
        text.chop(1);
    return text;
}

File Load(QByteArrayView data)
{
    File file;
    const QByteArrayView bom("\xEF\xBB\xBF", 3);
    file.bom = data.startsWith(bom);
    // UTF-16 by its mark, or without one by a NUL beside "[", CR or LF in
    // the first 4 KiB (where UTF-16 puts the other half of those characters).
    bool utf16 = data.startsWith("\xFF\xFE") || data.startsWith("\xFE\xFF");
    const qsizetype head = std::min<qsizetype>(data.size(), 4096);
    for (qsizetype i = 0; i + 1 < head && !utf16; ++i) {
        const char a = data[i];
        const char b = data[i + 1];
        const auto marker = [](char c) { return c == '[' || c == '\r' || c == '\n'; };
        utf16 = (a == '\0' && marker(b)) || (b == '\0' && marker(a));
    }
    QByteArrayView rest = file.bom ? data.sliced(3) : data;
    QList<QByteArrayView> lines;
    while (!rest.isEmpty()) {
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != '\r' && rest[end] != '\n')
            ++end;
        lines.append(rest.first(end));
        if (end < rest.size() && rest[end] == '\r' && end + 1 < rest.size() && rest[end + 1] == '\n')
            ++end;
        rest = end < rest.size() ? rest.sliced(end + 1) : QByteArrayView();
    }
    bool strayText = false;
    for (const QByteArrayView raw : std::as_const(lines)) {
        const QByteArrayView line = Trimmed(raw);
        if (line.isEmpty() || line.front() == ';')
            continue;
        if (line.size() >= 2 && line.front() == '[' && line.back() == ']') {
            file.sections.append(Section{Trimmed(line.sliced(1, line.size() - 2)).toByteArray(), {}});
            continue;
        }
        if (file.sections.isEmpty()) {
            strayText = true;
            continue;
        }
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            file.sections.last().lines.append(line.toByteArray());
        else
            file.sections.last().lines.append(Trimmed(line.first(eq)).toByteArray() + '='
                                              + Trimmed(line.sliced(eq + 1)).toByteArray());
    }
    file.recognisable = !utf16 && (!file.sections.isEmpty() || !strayText);
    return file;
}

QByteArray Save(const File &file)
{
    QByteArray out;
    if (file.bom)
        out += "\xEF\xBB\xBF";
    for (const Section &section : file.sections) {
        out += '[' + section.name + "]\r\n";
        for (const QByteArray &line : section.lines)
            out += line + "\r\n";
        out += "\r\n";
    }
    return out;
}

QString FirstCharacters(QStringView text, qsizetype count)
{
    qsizetype units = 0;
    for (qsizetype characters = 0; characters < count && units < text.size(); ++characters) {
        const bool pair = text[units].isHighSurrogate() && units + 1 < text.size() && text[units + 1].isLowSurrogate();
        units += pair ? 2 : 1;
    }
    return text.first(units).toString();
}

namespace {

// The length of the character at text[i] in units, and in bytes written.
qsizetype characterAt(QStringView text, qsizetype i, qsizetype *bytes)
{
    const char16_t c = text[i].unicode();
    if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
        *bytes = 4;
        return 2;
    }
    if (c >= 0xDC80 && c <= 0xDCFF)
        *bytes = 1;
    else
        *bytes = c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    return 1;
}

} // namespace

qsizetype EncodedSize(QStringView text)
{
    qsizetype total = 0;
    for (qsizetype i = 0, bytes = 0; i < text.size(); total += bytes)
        i += characterAt(text, i, &bytes);
    return total;
}

QString FirstCharactersIn(QStringView text, qsizetype limit)
{
    qsizetype used = 0;
    qsizetype i = 0;
    while (i < text.size()) {
        qsizetype bytes = 0;
        const qsizetype units = characterAt(text, i, &bytes);
        if (used + bytes > limit)
            break;
        used += bytes;
        i += units;
    }
    return text.first(i).toString();
}

QString DirectValue(QStringView stored, qsizetype limit)
{
    QStringView v = Trimmed(stored);
    if (v.size() >= 2 && (v.front() == u'"' || v.front() == u'\'') && v.back() == v.front())
        v = v.sliced(1, v.size() - 2);
    return limit < 0 ? v.toString() : FirstCharacters(v, limit);
}

std::optional<qint32> Number(QStringView text)
{
    QString t = text.toString();
    if (t.size() > 2 && t[0] == u'0' && (t[1] == u'x' || t[1] == u'X'))
        t = u'$' + t.mid(2);
    qsizetype i = 0;
    while (i < t.size() && t[i] == u' ')
        ++i;
    bool negative = false;
    if (i < t.size() && (t[i] == u'-' || t[i] == u'+'))
        negative = t[i++] == u'-';
    bool hex = false;
    if (i < t.size() && (t[i] == u'$' || t[i] == u'x' || t[i] == u'X')) {
        hex = true;
        ++i;
    }
    const QStringView digits = QStringView(t).sliced(i);
    if (digits.isEmpty())
        return std::nullopt;
    std::string ascii;
    for (const QChar c : digits) {
        const char16_t u = c.unicode();
        const bool decimal = u >= u'0' && u <= u'9';
        const bool letter = (u >= u'a' && u <= u'f') || (u >= u'A' && u <= u'F');
        if (!decimal && !(hex && letter))
            return std::nullopt;
        ascii += char(u);
    }
    errno = 0;
    const unsigned long long magnitude = std::strtoull(ascii.c_str(), nullptr, hex ? 16 : 10);
    if (errno == ERANGE)
        return std::nullopt;
    const long long least = std::numeric_limits<qint32>::min();
    const long long most = std::numeric_limits<qint32>::max();
    if (hex && !negative) {
        if (magnitude > std::numeric_limits<quint32>::max())
            return std::nullopt;
        return qint32(quint32(magnitude));
    }
    if (negative)
        return magnitude <= static_cast<unsigned long long>(-least)
                   ? std::optional<qint32>(qint32(-(long long)magnitude))
                   : std::nullopt;
    return magnitude <= static_cast<unsigned long long>(most) ? std::optional<qint32>(qint32(magnitude)) : std::nullopt;
}

QStringList AllParts(QStringView text)
{
    QStringList parts;
    qsizetype from = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u',') {
            parts.append(text.sliced(from, i - from).toString());
            from = i + 1;
        }
    }
    parts.append(text.sliced(from).toString());
    return parts;
}

unsigned Input::Byte() { return m_pos < m_size ? m_data[m_pos++] : 0; }

QByteArray Input::Bytes(qsizetype max)
{
    QByteArray out;
    while (m_pos < m_size && out.size() < max) {
        const uint8_t b = m_data[m_pos++];
        if (b == 0xFF)
            break;
        out.append(char(b));
    }
    return out;
}

QByteArray Input::Rest()
{
    const QByteArray out(reinterpret_cast<const char *>(m_data + m_pos), qsizetype(m_size - m_pos));
    m_pos = m_size;
    return out;
}

} // namespace Reference
