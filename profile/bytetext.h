#pragma once

// The text of the program's files, decoded so that every byte comes back.
//
// Files are UTF-8, but a file made elsewhere may hold bytes that are not
// (a Latin-1 "Größe", a Windows-1251 "Числа"). Each such byte b decodes to
// the lone surrogate U+DC00 + b, which no valid text contains, and encodes
// back to b; everything else is plain UTF-8. A name or value read from a
// file and written again is therefore byte-identical, and an edit keeps
// the bytes around it. On screen such a byte shows as a replacement glyph.

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace Profile {

QString DecodeBytes(QByteArrayView bytes);
QByteArray EncodeText(QStringView text);
// Appends the encoding of text to out.
void AppendEncoded(QByteArray &out, QStringView text);

// The UTF-8 byte-order mark that some editors put at the start of a file.
inline constexpr QByteArrayView Utf8Bom{"\xEF\xBB\xBF", 3};

} // namespace Profile
