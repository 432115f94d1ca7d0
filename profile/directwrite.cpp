// What a direct write makes of a file: its bytes with one line changed or
// added, from the file's parse.

#include "profile/bytetext.h"
#include "profile/directparse.h"
#include "profile/iniline.h"

namespace Profile {
namespace {

// The file with the value of a key line replaced: the line's key and
// spacing up to the value are kept.
QByteArray withValueReplaced(const DirectParse &parse, int k, const QByteArray &value)
{
    const QByteArray &data = parse.data;
    const LineSpan &line = parse.lines.at(k);
    const qsizetype valuePos = line.start + ParseIniLine(data.constData(), line).equals + 1;
    QByteArray out;
    out.reserve(data.size() + value.size());
    out.append(data.constData(), valuePos);
    out.append(value);
    out.append(data.constData() + line.end, data.size() - line.end);
    return out;
}

// The file with a line added after the last line of a section that holds
// something (its header, if none).
QByteArray withLineAdded(const DirectParse &parse, const DirectSection &section, const QByteArray &added)
{
    const QByteArray &data = parse.data;
    int last = section.firstLine - 1;
    for (int i = section.firstLine; i < section.endLine; ++i) {
        if (!ParseIniLine(data.constData(), parse.lines.at(i)).text.isEmpty())
            last = i;
    }
    const LineSpan &after = parse.lines.at(last);
    QByteArray out;
    out.reserve(data.size() + added.size() + 2 * parse.eol.size());
    out.append(data.constData(), after.next);
    if (after.next == after.end) // the file ends without a line break
        out.append(parse.eol);
    out.append(added + parse.eol);
    out.append(data.constData() + after.next, data.size() - after.next);
    return out;
}

// The file ready for a section at its end: its last line ended, and an
// empty line after it unless the file is empty or already ends in one.
QByteArray endedForSection(const DirectParse &parse)
{
    QByteArray out = parse.data;
    if (!out.isEmpty()) {
        if (!out.endsWith('\n') && !out.endsWith('\r'))
            out.append(parse.eol);
        if (!parse.lines.isEmpty() && !ParseIniLine(parse.data.constData(), parse.lines.last()).text.isEmpty())
            out.append(parse.eol);
    }
    return out;
}

// The file with a section of one line added at its end, after an empty line.
QByteArray withSectionAdded(const DirectParse &parse, const QByteArray &section, const QByteArray &added)
{
    return endedForSection(parse) + '[' + section + ']' + parse.eol + added + parse.eol;
}

// What a direct write of a key makes of the file.

} // namespace

QByteArray DirectlyWritten(DirectParse &parse, const QString &section, const QString &key, const QString &value)
{
    const QByteArray valueBytes = EncodeText(value);
    const QByteArray line = EncodeText(key) + '=' + valueBytes;
    const int s = parse.Find(section);
    if (s < 0)
        return withSectionAdded(parse, EncodeText(section), line);
    const int k = FindDirectKey(parse, parse.sections.at(s), key, nullptr, nullptr);
    return k >= 0 ? withValueReplaced(parse, k, valueBytes) : withLineAdded(parse, parse.sections.at(s), line);
}

QByteArray SectionWritten(DirectParse &parse, const QString &section, const QByteArray *replacement)
{
    const int s = parse.Find(section);
    if (s < 0) {
        return replacement ? endedForSection(parse) + *replacement : parse.data;
    }
    const QByteArray &data = parse.data;
    const DirectSection &sec = parse.sections.at(s);
    const qsizetype end = sec.endLine < parse.lines.size() ? parse.lines.at(sec.endLine).start : data.size();
    qsizetype replacedEnd = end;
    if (replacement) {
        // From its header to the end of its last line that holds something.
        int last = sec.firstLine - 1;
        for (int i = sec.firstLine; i < sec.endLine; ++i) {
            if (!ParseIniLine(data.constData(), parse.lines.at(i)).text.isEmpty())
                last = i;
        }
        replacedEnd = parse.lines.at(last).next;
    }
    QByteArray out;
    out.reserve(data.size() + (replacement ? replacement->size() : 0));
    out.append(data.constData(), sec.headerStart);
    if (replacement)
        out.append(*replacement);
    out.append(data.constData() + replacedEnd, data.size() - replacedEnd);
    return out;
}

} // namespace Profile
