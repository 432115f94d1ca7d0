// The editor's Element text files: whatever a file holds, loading it gives
// lines without a line break in them, the same as its bytes decoded in
// memory, and those lines written again in each encoding the loader
// knows (UTF-8, with and without its mark; UTF-16 of either byte order,
// with its mark; Windows-1252 where it holds them and can't pass for
// UTF-8), each line ended by a break, load as the same lines. The
// editor's own save (UTF-8, lines joined by CR LF) loads as the same
// lines too, less an empty last one, which its break can't show.
//
// The input is the file.

#include "fuzz/reference.h"
#include "library/moduleedit.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringEncoder>
#include <QTemporaryDir>

#include <algorithm>
#include <iterator>
#include <optional>

namespace {

// Files on a file system in memory where there is one: a file is written
// for every input.
const QTemporaryDir &scratch()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/tenacio-textfile-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/tenacio-textfile-XXXXXX"));
    return dir;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    FUZZ_CHECK(file.write(bytes) == bytes.size());
}

bool isBreak(QChar c) { return c == u'\n' || c == u'\r' || c == u'\u2028' || c == u'\u2029'; }

// A surrogate without its other half, as a UTF-16 file broken or cut short
// gives.
bool hasLoneSurrogate(const QString &text)
{
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            return true;
    }
    return false;
}

// The Windows-1252 bytes of a text, or nothing when one of its characters
// has none.
std::optional<QByteArray> windows1252(const QString &text)
{
    static constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QByteArray out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            out.append(char(u));
            continue;
        }
        const auto at = std::find(std::begin(high), std::end(high), u);
        if (at == std::end(high))
            return std::nullopt;
        out.append(char(0x80 + (at - std::begin(high))));
    }
    return out;
}

QByteArray encoded(QStringConverter::Encoding encoding, const QString &text)
{
    QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
    return encoder(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    FUZZ_CHECK(scratch().isValid());
    const QString path = scratch().filePath(QStringLiteral("elements.txt"));
    writeFile(path, bytes);
    const QStringList lines = ModuleEdit::ReadTextFile(path);
    FUZZ_CHECK(lines == ModuleEdit::FileLines(bytes));
    QString text;
    for (const QString &line : lines) {
        FUZZ_CHECK(std::none_of(line.cbegin(), line.cend(), isBreak));
        text += line + QStringLiteral("\r\n");
    }
    // A line break of each kind after the lines, by the input's length.
    static const QString breaks[] = {QStringLiteral("\r\n"), QStringLiteral("\n"), QStringLiteral("\r"),
                                     QStringLiteral("\u2028"), QStringLiteral("\u2029")};
    if (!lines.isEmpty() && size % 5 != 0) {
        text.clear();
        for (const QString &line : lines)
            text += line + breaks[size % 5];
    }

    FUZZ_CHECK(ModuleEdit::FileLines(encoded(QStringConverter::Utf16LE, text)) == lines);
    FUZZ_CHECK(ModuleEdit::FileLines(encoded(QStringConverter::Utf16BE, text)) == lines);
    // A lone surrogate has no UTF-8 nor Windows-1252: such lines go the
    // UTF-16 ways only.
    if (hasLoneSurrogate(text))
        return 0;
    const QByteArray utf8 = text.toUtf8();
    FUZZ_CHECK(ModuleEdit::FileLines(QByteArray("\xEF\xBB\xBF") + utf8) == lines);
    if (!utf8.startsWith("\xEF\xBB\xBF") && !utf8.startsWith("\xFF\xFE") && !utf8.startsWith("\xFE\xFF"))
        FUZZ_CHECK(ModuleEdit::FileLines(utf8) == lines);
    const std::optional<QByteArray> legacy = windows1252(text);
    if (legacy && !legacy->isValidUtf8() && !legacy->startsWith("\xFF\xFE") && !legacy->startsWith("\xFE\xFF"))
        FUZZ_CHECK(ModuleEdit::FileLines(*legacy) == lines);

    ModuleEdit::WriteTextFile(path, lines);
    QStringList saved = lines;
    if (!saved.isEmpty() && saved.last().isEmpty())
        saved.removeLast();
    FUZZ_CHECK(ModuleEdit::ReadTextFile(path) == saved);
    return 0;
}
