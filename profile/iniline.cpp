#include "profile/iniline.h"

#include <cstring>

namespace Profile {

bool StartsAsUtf16(QByteArrayView data)
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

void ForEachIniLine(QByteArrayView data, const std::function<void(const IniLine &)> &visit)
{
    ForEachLine(
        data, [&](const LineSpan &line) { visit(ParseIniLine(data.data(), line)); }, BomLength(data));
}

qint64 ForEachIniLineRead(const ReadBytes &read, const std::function<void(const IniLine &, qint64 at)> &visit,
                          qsizetype piece)
{
    QByteArray buffer(qMax(piece, Utf8Bom.size()), Qt::Uninitialized);
    qint64 base = 0;     // where buffer[0] stands among all the bytes
    qsizetype held = 0;  // bytes in the buffer
    qsizetype from = -1; // the first line not yet visited; -1 before the mark is looked for
    for (bool atEnd = false; !atEnd;) {
        if (held == buffer.size()) {
            if (from > 0) {
                // Keep the unfinished line, at the start.
                held -= from;
                std::memmove(buffer.data(), buffer.constData() + from, size_t(held));
                base += from;
                from = 0;
            } else {
                buffer.resize(buffer.size() * 2); // a line longer than the buffer
            }
        }
        const qint64 got = read(buffer.data() + held, buffer.size() - held);
        if (got < 0)
            return -1;
        atEnd = got == 0;
        held += qsizetype(got);
        const char *p = buffer.constData();
        if (from < 0) {
            if (held < Utf8Bom.size() && !atEnd)
                continue;
            from = BomLength(QByteArrayView(p, held));
        }
        LineSpan line;
        while (from < held && NextLine(p, held, from, atEnd, &line)) {
            const IniLine ini = ParseIniLine(p, line);
            visit(ini, base + (ini.text.data() - p));
            from = line.next;
        }
    }
    return base + held;
}

} // namespace Profile
