#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The Module library: named, ordered lists of Elements stored as the
// "Data" value of one section per Module in modules.ini.
namespace Modules {

// One Element: a text without ",". It is known by its 0-based position in
// its Module's list; two Elements may hold the same text.
using Element = QString;

// A Module: its name is its section name, unique without regard to letter
// case; its Elements are stored together as the section's "Data" value.
struct Module
{
    QString name;
    QList<Element> Elements;
};

// The key that holds a Module's Elements.
inline constexpr QLatin1String DataKey{"Data"};

// One Data value to its Elements: empty Elements between two "," are kept,
// a final "," adds none.
QStringList SplitElements(const QString &data);

// Lines of text to one Data value: lines without any character are
// skipped, the rest are joined by ",".
QString JoinElements(const QStringList &lines);

// The full path of the library file in the data directory.
QString LibraryPath();

// The Module names in file order, read with direct access: only the names
// that fit in its 16,384-byte buffer come back (the last may be cut short);
// a missing file gives none.
QStringList ListModuleNames(const QString &path);

// The Elements of one Module from a fresh in-memory read of the file, so
// a Data value of any length comes back whole. A missing file, Module or
// Data key gives none. Raises AppError when the file exists but can't be
// read.
Module ReadModule(const QString &path, const QString &name);

} // namespace Modules
