#pragma once

// The copies that sync tools leave beside a file that two machines changed
// at once, and setting them aside once their content is taken in.

#include "profile/inicopy.h"

#include <QString>
#include <QStringList>
#include <QVector>

namespace Profile {

// The file a sync tool's conflict copy stands for, by the copy's file
// name: "testres.ini" for
//   testres.sync-conflict-20261208-101500-ABCDEFG.ini  (one tool),
//   testres (conflicted copy 2026-12-08 101500).ini    (another),
//   testres (Anna's conflicted copy 2026-12-08).ini     (a third, which
//   numbers further copies of the same day "... 2026-12-08 (1)).ini").
// Empty for any other name.
QString ConflictCopyOf(const QString &fileName);

// The conflict copies of those data files (file names) in a folder, full
// paths in name order.
QStringList ConflictCopies(const QString &folder, const QStringList &dataFiles);

// A conflict copy whose content has been taken in is renamed
// "<name>.merged" in its folder ("<name>.merged.2", ... when that is
// taken), never deleted; the name no longer reads as a conflict copy.
// Returns the system's reason on failure, else empty (with *aside the new
// path when given).
QString SetAside(const QString &copyPath, QString *aside = nullptr);

// What differs between a data file and its conflict copy: whole sections
// (a Module of the library) or single keys (an option).
struct Difference
{
    QString section;
    QString key;  // empty: the whole section
    QString ours; // the line or lines as the file has them; empty when it lacks them
    QString theirs;
    bool inOurs = true;
    bool inTheirs = true;
};

// The differences, in the file's order then the copy's: by section, or by
// key within a section (a key the copy lacks is no difference: the copy
// knows nothing of it). Lines compare as in-memory access reads them.
QVector<Difference> Differences(const Copy &ours, const Copy &theirs, bool bySection);

// Takes the chosen differences from the copy into the file at path under
// the FileLock, the file read afresh: a section is replaced by the copy's
// where it stands (added at the end when the file lacks it, deleted when
// the copy lacks it) in one direct write; a key gets the copy's value with
// direct access. Every other byte is kept. Raises AppError as those
// accesses do.
void TakeFromCopy(const QString &path, const Copy &theirs, const QVector<Difference> &chosen);

} // namespace Profile
