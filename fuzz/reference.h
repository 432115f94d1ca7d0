#pragma once

// What the fuzz targets share: a check that stops the run and names the
// condition that failed, and the rules of the INI files written out once
// more, apart from profile/, so that a target can compare what the program
// answers with what the rules say.

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <cstddef>
#include <cstdint>
#include <optional>

#define FUZZ_CHECK(condition) ((condition) ? void(0) : ::Reference::Fail(#condition, __FILE__, __LINE__))

namespace Reference {

[[noreturn]] void Fail(const char *condition, const char *file, int line);

// A blank, for trimming: the blank and every control character below it.
inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }
QByteArrayView Trimmed(QByteArrayView bytes);
QStringView Trimmed(QStringView text);

// A file as the loading rules see it, in the bytes of the file.
struct Section
{
    QByteArray name;
    QList<QByteArray> lines; // "key=value" with both trimmed, or the whole trimmed line
};

struct File
{
    bool bom = false; // began with the UTF-8 byte-order mark (not part of any line)
    bool recognisable = true;
    QList<Section> sections;
};

// Lines end at CR, LF or CR LF; each is trimmed; empty lines and lines
// that begin with ";" are dropped; "[" name "]" opens a section; lines
// before the first section are dropped. A file is recognisable unless it
// begins with a UTF-16 byte-order mark, or it has no section and some line
// that is neither empty nor a comment.
File Load(QByteArrayView data);

// The bytes of a copy written back: per section "[name]", its lines and an
// empty line, each line ending in CR LF; the byte-order mark first if kept.
QByteArray Save(const File &file);

// A stored value as direct access returns it: trimmed, one pair of
// enclosing quotes (both ' or both ") removed, cut to 2,047 characters
// (a surrogate pair is one character); a negative limit cuts nothing.
QString DirectValue(QStringView stored, qsizetype limit = 2047);

// The first `count` characters of a text, a surrogate pair being one.
QString FirstCharacters(QStringView text, qsizetype count);

// The bytes a text is written as: UTF-8, but one byte for each lone
// surrogate U+DC80 to U+DCFF that stands for a byte that is not UTF-8, and
// the three of U+FFFD for any other lone surrogate.
qsizetype EncodedSize(QStringView text);
// The most whole characters from the start of a text that are written in
// at most `bytes` bytes.
QString FirstCharactersIn(QStringView text, qsizetype bytes);

// The number rules: "0x" or "0X" at the very start of a text longer than
// two characters stands for "$"; then blanks, one optional sign, and
// decimal digits or "$", "x" or "X" and hexadecimal digits, up to the
// end. Decimal values and negative hexadecimal ones must fit in 32 bits as
// values; a positive hexadecimal one is a 32-bit pattern ($FFFFFFFF is -1).
std::optional<qint32> Number(QStringView text);

// Splits `text` at every ","; all parts, also empty ones.
QStringList AllParts(QStringView text);

// A little reader of fuzz bytes: numbers and short byte strings from the
// front, leaving the rest as a whole.
class Input
{
public:
    Input(const uint8_t *data, size_t size)
        : m_data(data)
        , m_size(size)
    {
    }
    bool Empty() const { return m_pos >= m_size; }
    unsigned Byte();
    // Bytes up to the next byte 0xFF (dropped), at most `max` of them.
    QByteArray Bytes(qsizetype max);
    QByteArray Rest();

private:
    const uint8_t *m_data;
    size_t m_size;
    size_t m_pos = 0;
};

} // namespace Reference
