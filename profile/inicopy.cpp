#include "profile/inicopy.h"

#include "profile/bytetext.h"
#include "profile/iniline.h"

namespace Profile {

int CountSectionsInMemory(const QByteArray &data)
{
    int count = 0;
    ForEachIniLine(data, [&](const IniLine &line) { count += line.kind == IniLine::Kind::Header; });
    return count;
}

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
    copy.bom = BomLength(data) > 0;
    const char *p = data.data();
    Recognition recognition;
    bodies->clear();
    ForEachLine(
        data,
        [&](const LineSpan &line) {
            const IniLine parsed = ParseIniLine(p, line);
            recognition.Line(parsed.kind);
            if (parsed.kind != IniLine::Kind::Header)
                return;
            if (!bodies->isEmpty())
                bodies->last() = QByteArrayView(bodies->last().data(), p + line.start - bodies->last().data());
            copy.sections.append(CopySection{DecodeBytes(parsed.name), {}});
            bodies->append(QByteArrayView(p + line.next, data.size() - line.next));
        },
        BomLength(data));
    copy.recognisable = recognition.Recognisable(StartsAsUtf16(data));
    return copy;
}

void DecodeSectionLines(QByteArrayView body, QVector<QString> &lines)
{
    ForEachLine(body, [&](const LineSpan &span) {
        const IniLine line = ParseIniLine(body.data(), span);
        if (line.kind == IniLine::Kind::Key)
            lines.append(DecodeBytes(line.name) + QLatin1Char('=') + DecodeBytes(line.value));
        else if (line.kind != IniLine::Kind::Blank)
            lines.append(DecodeBytes(line.text));
    });
}

namespace {

// The lines of an undecoded section as SaveCopy writes them, straight
// from its bytes: decoding keeps every byte, so this is what SaveCopy
// makes of the decoded lines.
void appendSavedBody(QByteArray &out, QByteArrayView body)
{
    ForEachLine(body, [&](const LineSpan &span) {
        const IniLine line = ParseIniLine(body.data(), span);
        if (line.kind == IniLine::Kind::Key)
            out.append(line.name).append('=').append(line.value).append("\r\n");
        else if (line.kind != IniLine::Kind::Blank)
            out.append(line.text).append("\r\n");
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
