#include "profile/bytetext.h"

namespace {

constexpr char16_t EscapeBase = 0xDC00;

bool isContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the valid UTF-8 sequence at p (1 to 4), or 0 when the byte at
// p does not start one. Overlong forms, surrogates and code points past
// U+10FFFF are not valid.
int validSequence(const unsigned char *p, qsizetype left, char32_t *cp)
{
    const unsigned char c = p[0];
    if (c < 0x80) {
        *cp = c;
        return 1;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        if (left < 2 || !isContinuation(p[1]))
            return 0;
        *cp = char32_t(c & 0x1F) << 6 | (p[1] & 0x3F);
        return 2;
    }
    if (c >= 0xE0 && c <= 0xEF) {
        if (left < 3 || !isContinuation(p[1]) || !isContinuation(p[2]))
            return 0;
        if ((c == 0xE0 && p[1] < 0xA0) || (c == 0xED && p[1] >= 0xA0))
            return 0;
        *cp = char32_t(c & 0x0F) << 12 | char32_t(p[1] & 0x3F) << 6 | (p[2] & 0x3F);
        return 3;
    }
    if (c >= 0xF0 && c <= 0xF4) {
        if (left < 4 || !isContinuation(p[1]) || !isContinuation(p[2]) || !isContinuation(p[3]))
            return 0;
        if ((c == 0xF0 && p[1] < 0x90) || (c == 0xF4 && p[1] >= 0x90))
            return 0;
        *cp = char32_t(c & 0x07) << 18 | char32_t(p[1] & 0x3F) << 12 | char32_t(p[2] & 0x3F) << 6 | (p[3] & 0x3F);
        return 4;
    }
    return 0;
}

bool isEscape(char16_t c) { return c >= EscapeBase + 0x80 && c <= EscapeBase + 0xFF; }

// Valid UTF-8 to text. QString::fromUtf8 reads past a byte-order mark at
// the start of what it is given; here one is text like any other (a line
// or a value may begin with one), and must come back as its bytes.
void appendUtf8(QString &out, QByteArrayView bytes)
{
    while (bytes.startsWith(Profile::Utf8Bom)) {
        out.append(QChar(char16_t(0xFEFF)));
        bytes = bytes.sliced(Profile::Utf8Bom.size());
    }
    out.append(QString::fromUtf8(bytes));
}

} // namespace

namespace Profile {

QString DecodeBytes(QByteArrayView bytes)
{
    if (bytes.isValidUtf8() && !bytes.startsWith(Utf8Bom))
        return QString::fromUtf8(bytes);
    QString out;
    out.reserve(bytes.size());
    const auto *p = reinterpret_cast<const unsigned char *>(bytes.data());
    const qsizetype n = bytes.size();
    qsizetype i = 0;
    while (i < n) {
        // Runs of valid text go through the fast decoder.
        qsizetype j = i;
        char32_t cp = 0;
        int len = 0;
        while (j < n && (len = validSequence(p + j, n - j, &cp)) > 0)
            j += len;
        if (j > i)
            appendUtf8(out, QByteArrayView(p + i, j - i));
        if (j < n) {
            out.append(QChar(char16_t(EscapeBase + p[j])));
            ++j;
        }
        i = j;
    }
    return out;
}

void AppendEncoded(QByteArray &out, QStringView text)
{
    const char16_t *s = text.utf16();
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        // Everything up to the next surrogate is ordinary text.
        qsizetype j = i;
        while (j < n && !QChar::isSurrogate(s[j]))
            ++j;
        if (j > i)
            out.append(text.sliced(i, j - i).toUtf8());
        if (j >= n)
            break;
        if (QChar::isHighSurrogate(s[j]) && j + 1 < n && QChar::isLowSurrogate(s[j + 1])) {
            out.append(text.sliced(j, 2).toUtf8());
            i = j + 2;
        } else if (isEscape(s[j])) {
            out.append(char(s[j] - EscapeBase));
            i = j + 1;
        } else {
            out.append("\xEF\xBF\xBD"); // a lone surrogate that stands for no byte
            i = j + 1;
        }
    }
}

QByteArray EncodeText(QStringView text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 2);
    AppendEncoded(out, text);
    return out;
}

} // namespace Profile
