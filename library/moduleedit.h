#pragma once

// The rules behind the module editor that need no window: which new Module
// names are refused, the lines of a text, and the Element text files that
// the editor loads and saves.

#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

class ProfileFile;

namespace ModuleEdit {

// Whether a name is empty once the blanks at its ends, which the library
// file does not keep, are gone.
bool NameBlank(const QString &name);

// Whether a new Module name must be refused: it is empty, or it names a
// Module of the list. Names are compared as the library file finds its
// sections: without regard to letter case and without the blanks at their
// ends, which the file loses when it is read again. A name that is only
// blanks therefore counts as empty.
bool NameRefused(const QStringList &names, const QString &name);

// The lines of a text, whatever its line breaks: CR LF, LF, CR alone, and
// the paragraph and line separators of rich text all end a line. Every
// break starts a new line, so "a\n" is "a" and an empty line; an empty text
// has no lines.
QStringList TextLines(QStringView text);

// The first of the memo's lines that the library can't keep as one
// Element: a line holding ",", which separates Elements in the file and
// would make it several. Its 0-based index, or -1 when every line can be
// kept.
qsizetype LineWithComma(const QStringList &lines);

// The text that shows lines in the editor's memo, one line apiece, read
// back by TextLines. A text document makes each paragraph slowly (about a
// second per 300,000), so past `maxParagraphs` lines consecutive lines
// share a paragraph, kept apart by line separators (U+2028): they still
// show and edit as lines of their own.
QString MemoText(const QStringList &lines, qsizetype maxParagraphs = 20000);

// The memo text of a Module's Data value: MemoText of its Elements
// (Modules::SplitElements), made from the value in one pass, without a
// string per Element.
QString MemoTextOfData(QString data, qsizetype maxParagraphs = 20000);

// The lines of a text file's content, decoded by what it looks like: with
// a UTF-16 byte-order mark as UTF-16; with a UTF-8 mark, or when it is
// valid UTF-8, as UTF-8; otherwise as Windows-1252, the code page of word
// lists saved on older Windows machines. Any mark is dropped. The text is
// split as TextLines, except that a break at the very end adds no empty line.
QStringList FileLines(const QByteArray &content);

// Reads a text file into lines (FileLines). Raises
// "Cannot open file "%s". %s" when it cannot be read.
QStringList ReadTextFile(const QString &path);

// Writes lines as UTF-8, joined by CR LF, replacing an existing file.
// Raises "Cannot create file "%s". %s" when it cannot be written.
void WriteTextFile(const QString &path, const QStringList &lines);

// A library as the editor compares it: each Module's name and a digest of
// its Data value (ProfileFile::ValueDigest), in file order. Made without
// decoding the Modules, so that a library of 90 MB costs no more than
// reading it.
struct ModuleText
{
    QString name;
    QByteArray digest;
    bool operator==(const ModuleText &) const = default;
};
using LibraryText = QVector<ModuleText>;
LibraryText LibraryOf(const ProfileFile &file);

// The editor's OK when modules.ini may have changed since the editor
// loaded `base` from it (another copy's OK, a text editor): the file is
// read again and, when it is no longer `base`, what the user changed from
// `base` in the copy `mine` (Modules added, changed, deleted; a Module's name
// matched without regard to letter case) is applied to the file as it
// is now, keeping everyone else's Modules and changes, and the file is
// written back (not at all when nothing is left to apply). Where the file's
// Module also changed (or went, or came with other Elements), keepMine
// decides, given the Module's name and the digest of the file's Data of it
// (empty when the file no longer has it): true keeps the user's, nullopt
// leaves it undecided.
enum class Merge {
    UseMine,   // the file is still `base`, missing or can't be read: the user's copy is what to write
    Merged,    // applied (or nothing was left to apply)
    Undecided, // keepMine left a Module undecided: nothing was written
};
using KeepMine = std::function<std::optional<bool>(const QString &name, const QByteArray &theirs)>;
// With apply false nothing is ever written: keepMine is only asked what
// it would be asked. Call it with apply under Profile::FileLock.
Merge MergeOntoCurrent(const QString &path, const LibraryText &base, const ProfileFile &mine, const KeepMine &keepMine,
                       bool apply = true);

// The Modules "From a pattern..." makes: every Element of a kind that
// athletes train on, in its natural order.
enum class Pattern {
    Digits,     // 0 to 9
    Pairs,      // 00 to 99
    Triples,    // 000 to 999
    Binary,     // groups of three binary digits, 000 to 111
    Cards,      // a deck of 52: A♠ ... K♠, A♥ ..., A♦ ..., A♣ ... K♣
    CardsAscii, // the same deck by ASCII names: AS ... KS, AH ..., AD ..., AC ... KC (T for ten)
    Years,      // 1000 to 2099
};
inline constexpr Pattern Patterns[] = {Pattern::Digits, Pattern::Pairs,      Pattern::Triples, Pattern::Binary,
                                       Pattern::Cards,  Pattern::CardsAscii, Pattern::Years};

// A pattern's Elements, and the name offered for its Module.
QStringList PatternElements(Pattern pattern);
QString PatternName(Pattern pattern);

// The path "Save..." writes to: the chosen name with ".txt" appended unless
// it already ends in ".txt" in any letter case.
QString SaveFilePath(const QString &chosen);

} // namespace ModuleEdit
