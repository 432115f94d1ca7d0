#include "library/moduleedit.h"

#include "library/modules.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include "platform/platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

#include <memory>

namespace ModuleEdit {
namespace {

bool isBreak(char16_t c) { return c == u'\n' || c == u'\r' || c == u'\u2029' || c == u'\u2028'; }

// Windows-1252 differs from Latin-1 in 0x80..0x9F only; its five unused
// places keep the control character of the same number.
QString fromWindows1252(QByteArrayView bytes)
{
    static constexpr char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                          0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                          0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                          0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto c = static_cast<unsigned char>(bytes[i]);
        out[i] = c >= 0x80 && c < 0xA0 ? high[c - 0x80] : char16_t(c);
    }
    return text;
}

QString decodeTextFile(QByteArrayView bytes)
{
    // The mark is taken off here; a U+FEFF after it is text, and the
    // decoder must not take it for a second mark.
    if (bytes.startsWith("\xFF\xFE"))
        return QStringDecoder(QStringConverter::Utf16LE, QStringConverter::Flag::ConvertInitialBom)(bytes.sliced(2));
    if (bytes.startsWith("\xFE\xFF"))
        return QStringDecoder(QStringConverter::Utf16BE, QStringConverter::Flag::ConvertInitialBom)(bytes.sliced(2));
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringDecoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom)(bytes.sliced(3));
    if (bytes.isValidUtf8())
        return QString::fromUtf8(bytes);
    return fromWindows1252(bytes);
}

QString fileReason(const QFileDevice &file, const QString &path)
{
    if (QFileInfo(path).isDir())
        return QCoreApplication::translate("Files", "Is a directory");
    return file.errorString();
}

} // namespace

bool NameBlank(const QString &name) { return Profile::Trimmed(name).isEmpty(); }

bool NameRefused(const QStringList &names, const QString &name)
{
    const QStringView wanted = Profile::Trimmed(name);
    if (wanted.isEmpty())
        return true;
    for (const QString &existing : names) {
        if (Profile::Trimmed(existing).compare(wanted, Qt::CaseInsensitive) == 0)
            return true;
    }
    return false;
}

QStringList TextLines(QStringView text)
{
    QStringList lines;
    if (text.isEmpty())
        return lines;
    const char16_t *p = text.utf16();
    const qsizetype n = text.size();
    qsizetype count = 1;
    for (qsizetype i = 0; i < n; ++i) {
        if (isBreak(p[i]) && !(p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n'))
            ++count;
    }
    lines.reserve(count);
    qsizetype start = 0;
    for (qsizetype i = 0; i < n; ++i) {
        if (!isBreak(p[i]))
            continue;
        lines.append(text.sliced(start, i - start).toString());
        if (p[i] == u'\r' && i + 1 < n && p[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    lines.append(text.sliced(start).toString());
    return lines;
}

qsizetype LineWithComma(const QStringList &lines)
{
    for (qsizetype i = 0; i < lines.size(); ++i)
        if (lines.at(i).contains(QLatin1Char(',')))
            return i;
    return -1;
}

QString MemoText(const QStringList &lines, qsizetype maxParagraphs)
{
    const qsizetype n = lines.size();
    const qsizetype perParagraph =
        n <= maxParagraphs || maxParagraphs < 1 ? 1 : (n + maxParagraphs - 1) / maxParagraphs;
    qsizetype size = n;
    for (const QString &line : lines)
        size += line.size();
    QString text;
    text.reserve(size);
    for (qsizetype i = 0; i < n; ++i) {
        if (i > 0)
            text += i % perParagraph == 0 ? QChar(u'\n') : QChar(QChar::LineSeparator);
        text += lines.at(i);
    }
    return text;
}

QString MemoTextOfData(QString data, qsizetype maxParagraphs)
{
    // A final "," adds no Element.
    if (data.endsWith(QLatin1Char(',')))
        data.chop(1);
    const qsizetype n = data.count(QLatin1Char(',')) + 1;
    const qsizetype perParagraph =
        n <= maxParagraphs || maxParagraphs < 1 ? 1 : (n + maxParagraphs - 1) / maxParagraphs;
    // Each "," between two Elements becomes the break between their lines.
    char16_t *p = reinterpret_cast<char16_t *>(data.data());
    const qsizetype size = data.size();
    qsizetype element = 0;
    for (qsizetype i = 0; i < size; ++i) {
        if (p[i] != u',')
            continue;
        ++element;
        p[i] = element % perParagraph == 0 ? u'\n' : char16_t(QChar::LineSeparator);
    }
    return data;
}

QStringList FileLines(const QByteArray &content)
{
    QStringList lines = TextLines(decodeTextFile(content));
    // A break at the end closes the last line rather than opening another.
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QStringList ReadTextFile(const QString &path)
{
    // A FIFO or a device chosen by mistake must not hang the window.
    QByteArray content;
    const QString reason = Profile::ReadWholeFile(path, &content);
    if (!reason.isEmpty())
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
    return FileLines(content);
}

void WriteTextFile(const QString &path, const QStringList &lines)
{
    QByteArray content;
    qsizetype size = 0;
    for (const QString &line : lines)
        size += line.size() + 2;
    content.reserve(size + size / 4);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (i > 0)
            content.append("\r\n");
        content.append(lines.at(i).toUtf8());
    }
    // A first line that starts with U+FEFF would read back as a mark and
    // lose it: a mark of our own goes before it.
    if (content.startsWith("\xEF\xBB\xBF"))
        content.prepend("\xEF\xBB\xBF");
    QSaveFile file(path);
    // A file in a directory where no temporary file can be made is still
    // written in place.
    file.setDirectWriteFallback(true);
    const auto fail = [&](const QString &reason) {
        file.cancelWriting();
        throw AppError(QCoreApplication::translate("Files", "Cannot create file \"%1\". %2").arg(path, reason));
    };
    if (QFileInfo(path).isDir() || !file.open(QIODevice::WriteOnly))
        fail(fileReason(file, path));
    if (file.write(content) != content.size())
        fail(file.errorString());
    if (!file.commit())
        fail(file.errorString());
}

namespace {

QStringList numbers(int first, int last, int width, int base = 10)
{
    QStringList out;
    out.reserve(last - first + 1);
    for (int n = first; n <= last; ++n)
        out.append(QStringLiteral("%1").arg(n, width, base, QLatin1Char('0')));
    return out;
}

QStringList deck(bool ascii)
{
    static const char *const ranks[] = {"A", "2", "3", "4", "5", "6", "7", "8", "9", "10", "J", "Q", "K"};
    const QString suits = ascii ? QStringLiteral("SHDC") : QStringLiteral("\u2660\u2665\u2666\u2663");
    QStringList out;
    for (QChar suit : suits)
        for (const char *rank : ranks) {
            const QString name = ascii && rank[1] == '0' ? QStringLiteral("T") : QString::fromLatin1(rank);
            out.append(name + suit);
        }
    return out;
}

} // namespace

QStringList PatternElements(Pattern pattern)
{
    switch (pattern) {
    case Pattern::Digits:
        return numbers(0, 9, 1);
    case Pattern::Pairs:
        return numbers(0, 99, 2);
    case Pattern::Triples:
        return numbers(0, 999, 3);
    case Pattern::Binary:
        return numbers(0, 7, 3, 2);
    case Pattern::Cards:
        return deck(false);
    case Pattern::CardsAscii:
        return deck(true);
    case Pattern::Years:
        return numbers(1000, 2099, 4);
    }
    return {};
}

QString PatternName(Pattern pattern)
{
    const char *name = "";
    switch (pattern) {
    case Pattern::Digits:
        name = QT_TRANSLATE_NOOP("Pattern", "Digits 0–9");
        break;
    case Pattern::Pairs:
        name = QT_TRANSLATE_NOOP("Pattern", "Pairs 00–99");
        break;
    case Pattern::Triples:
        name = QT_TRANSLATE_NOOP("Pattern", "Triples 000–999");
        break;
    case Pattern::Binary:
        name = QT_TRANSLATE_NOOP("Pattern", "Binary groups of 3 (000–111)");
        break;
    case Pattern::Cards:
        name = QT_TRANSLATE_NOOP("Pattern", "Cards (A♠–K♣)");
        break;
    case Pattern::CardsAscii:
        name = QT_TRANSLATE_NOOP("Pattern", "Cards (AS–KC)");
        break;
    case Pattern::Years:
        name = QT_TRANSLATE_NOOP("Pattern", "Years 1000–2099");
        break;
    }
    return QCoreApplication::translate("Pattern", name);
}

QString SaveFilePath(const QString &chosen)
{
    if (chosen.endsWith(QLatin1String(".txt"), Qt::CaseInsensitive))
        return chosen;
    return chosen + QLatin1String(".txt");
}

} // namespace ModuleEdit

namespace ModuleEdit {
namespace {

const ModuleText *findModule(const LibraryText &library, const QString &name)
{
    const QString folded = Profile::FoldedName(name);
    for (const ModuleText &m : library) {
        if (Profile::FoldedName(m.name) == folded)
            return &m;
    }
    return nullptr;
}

} // namespace

LibraryText LibraryOf(const ProfileFile &file)
{
    QStringList names;
    file.ListSections(names);
    LibraryText out;
    out.reserve(names.size());
    for (const QString &name : std::as_const(names))
        out.append(ModuleText{name, file.ValueDigest(name, QLatin1String(Modules::DataKey))});
    return out;
}

Merge MergeOntoCurrent(const QString &path, const LibraryText &base, const ProfileFile &myCopy,
                       const KeepMine &keepMine, bool apply)
{
    if (!QFileInfo::exists(path))
        return Merge::UseMine;
    std::unique_ptr<ProfileFile> current;
    try {
        current = std::make_unique<ProfileFile>(path, ProfileFile::Access::InMemory);
    } catch (const AppError &) {
        return Merge::UseMine; // the write of the user's copy says why
    }
    if (!current->Recognisable())
        return Merge::UseMine;
    const LibraryText now = LibraryOf(*current);
    if (now == base)
        return Merge::UseMine;
    const LibraryText mine = LibraryOf(myCopy);
    const QString dataKey = QLatin1String(Modules::DataKey);
    bool changed = false;
    bool undecided = false;
    const auto keep = [&](const QString &name, const ModuleText *theirs) {
        const std::optional<bool> answer = keepMine(name, theirs ? theirs->digest : QByteArray());
        undecided = undecided || !answer;
        return answer.value_or(false);
    };
    // Deleted in this editor: gone from the file too, unless changed there.
    for (const ModuleText &b : base) {
        if (findModule(mine, b.name))
            continue;
        const ModuleText *c = findModule(now, b.name);
        if (c && (c->digest == b.digest || keep(c->name, c))) {
            current->DeleteSection(c->name);
            changed = true;
        }
    }
    // Added or changed in this editor.
    for (const ModuleText &m : mine) {
        const ModuleText *b = findModule(base, m.name);
        if (b && b->digest == m.digest)
            continue; // not changed here: the file's stays
        const ModuleText *c = findModule(now, m.name);
        if (c && c->digest == m.digest)
            continue;
        const bool untouchedThere = b ? (c && c->digest == b->digest) : !c;
        if (untouchedThere || keep(m.name, c)) {
            current->WriteText(c ? c->name : m.name, dataKey, myCopy.ReadText(m.name, dataKey, QString()));
            changed = true;
        }
    }
    if (undecided)
        return Merge::Undecided;
    // Nothing of this editor's to apply: the file stays byte for byte.
    if (changed && apply)
        current->WriteBack();
    return Merge::Merged;
}

} // namespace ModuleEdit
