#include "profile/iniline.h"

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

} // namespace Profile
