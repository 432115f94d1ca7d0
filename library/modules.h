#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// The Module library: named, ordered lists of Elements stored as the
// "Data" value of one section per Module in modules.ini.
namespace Modules {

// One Element: a text without ",". It is known by its 0-based position in
// its Module's list; two Elements may hold the same text.
using Element = QString;

// The Elements of one Data value, split as SplitElements splits it but
// without a string apiece: the value is kept whole with the place of every
// MarkStep-th Element, so a Module of a million Elements costs one pass
// over its text and little memory beside it. An Element is found from the
// mark before it, past at most MarkStep - 1 others. Copies share the text
// and the marks.
class ElementList
{
public:
    ElementList() = default;
    explicit ElementList(QString data);

    qsizetype Size() const { return m_size; }
    bool IsEmpty() const { return Size() == 0; }

    // Element i (0 <= i < size()); the view lives as long as the list.
    QStringView At(qsizetype i) const;
    Element Text(qsizetype i) const { return At(i).toString(); }

    // Position of the first Element exactly equal to a text, or -1.
    qsizetype IndexOf(QStringView element) const;

    QStringList ToStringList() const;

    static constexpr qsizetype MarkStep = 32;

private:
    // Where the Element that starts at `start` ends: at the next "," or
    // the end of the text.
    qsizetype endOf(qsizetype start) const;

    QString m_data;
    qsizetype m_size = 0;
    // m_marks[k] is where Element k * MarkStep starts: one past a ",", or 0.
    QList<qsizetype> m_marks;
};

// A Module: its name is its section name, unique without regard to letter
// case; its Elements are stored together as the section's "Data" value.
struct Module
{
    QString name;
    ElementList Elements;
};

// The key that holds a Module's Elements.
inline constexpr QLatin1String DataKey{"Data"};

// One Data value to its Elements: empty Elements between two "," are kept,
// a final "," adds none.
QStringList SplitElements(const QString &data);

// Lines of text to one Data value: lines without any character are
// skipped, the rest are joined by ","; a "," follows a last Element that
// ends in a blank or control character, which the read would trim away.
QString JoinElements(const QStringList &lines);

// The full path of the library file in the data directory.
QString LibraryPath();

// Gives a new user the starter library: writes it as path when no file of
// that name exists. A library that exists is never touched, even one
// emptied of every Module, which is an existing file; so the starter
// library comes back only when the file itself is deleted. The file
// appears whole or not at all. True when it was placed.
// The starter library is the file `installed` (the one installed with the
// program, which an administrator may replace) byte for byte, when it can
// be read and holds Modules or nothing; else the copy the program carries
// (two-digit numbers, three-digit numbers, common words). The shipped
// library, carried or installed as it came, has its Modules named in the
// user's language of the moment.
bool PlaceStarterLibrary(const QString &path, const QString &installed = QString());

// Every Module name in file order; a missing file gives none.
QStringList ListModuleNames(const QString &path);

// Whether the library holds a Module of that name (letter case aside),
// read with direct access. A missing file holds none.
bool HasModule(const QString &path, const QString &name);

// Why the library file can't be used: the system's reason when it exists
// but can't be read, a word on its content when it holds nothing this
// program recognises as Modules; empty when it can be used (or is missing).
QString LibraryProblem(const QString &path);

// The Elements of one Module from a fresh in-memory read of the file, so
// a Data value of any length comes back whole. A missing file, Module or
// Data key gives none. Raises AppError when the file exists but can't be
// read.
Module ReadModule(const QString &path, const QString &name);

// All Module names in file order, with in-memory access, so that none is
// left out however many there are. Raises AppError when the file exists
// but can't be read.
QStringList AllModuleNames(const QString &path);

// `base` when no Module has that name, else the first of "base (2)",
// "base (3)", ... that none has. Names are compared without regard to
// letter case, as the file finds them.
QString FreeName(const QString &base, const QStringList &taken);

// A Data value that reads back as exactly `elements`, empty ones
// included: joined by "," with one more "," at the end when the last
// Element is empty or ends in a blank, which the file's trimming would
// otherwise take. Trimming also takes blanks from the start of the first
// Element, which no "," can keep: `elements` is put in an order whose first
// Element is empty or begins with no blank (the one found first goes to the
// front, the rest keep their order). False when there is no such order, or
// an Element holds "," or a line break; `elements` is then left as it was.
bool ExactData(QStringList &elements, QString *data);

// Adds a Module to the library under Profile::FileLock, its Data the
// ExactData of the Elements (which must allow it). A Module `replaced`,
// when one is named, gives up its place to the new one, and the library is
// loaded and written back with in-memory access; otherwise the new one
// goes at the end with Profile::AppendSection, and the rest of the file
// stays byte for byte as it was, never read whole. A library that can't be read or holds nothing this program
// recognises as Modules, and a name already taken, raise AppError; the
// file is then left as it was, and so it is when writing it fails.
void AddModule(const QString &path, const QString &name, const QStringList &elements,
               const QString &replaced = QString());

} // namespace Modules
