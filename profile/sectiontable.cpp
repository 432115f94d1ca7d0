#include "profile/sectiontable.h"

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
