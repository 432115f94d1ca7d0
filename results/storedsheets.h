#pragma once

// The answer sheets of all the runs of a results file, from one load of
// it, for work over many runs (the export, the history's right by
// position). Each sheet is the one the reopen makes of its run.

#include "profile/profilefile.h"
#include "results/answersheet.h"
#include "results/storedruns.h"

#include <QHash>
#include <QString>
#include <QStringList>

#include <functional>
#include <span>

namespace ResultsStore {

struct SheetColumns;

class StoredSheets
{
public:
    // Loads the file as in-memory access does; raises "Cannot open file
    // "%s". %s" when it exists but can't be read. A missing file holds no
    // runs.
    explicit StoredSheets(const QString &path);

    // The sheet of a run, found by name as every reader finds it (the
    // first section of that name, letter case aside); a one-row empty
    // sheet for a name the file does not hold.
    AnswerSheet Sheet(const QString &section) const;

    // The Text and Answer columns of that sheet alone, as lists of as
    // many texts as it has rows: quicker where many runs are read.
    struct Lists
    {
        QStringList elements;
        QStringList answers;
    };
    Lists ListsOf(const QString &section) const;

private:
    friend void ForEachSheet(const QString &, const QVector<RunSummary> &,
                             const std::function<void(qsizetype, const SheetColumns &)> &,
                             const std::function<bool(qsizetype)> &);

    QByteArray m_bytes;
    Profile::Copy m_copy; // the section names; their lines are in m_bodies
    QVector<QByteArrayView> m_bodies;
    QHash<QString, int> m_first; // folded name -> its first section
};

// The Text and Answer columns of a run's sheet as ListsOf gives them,
// viewed in texts that live until the call they are given to returns.
struct SheetColumns
{
    std::span<const QStringView> elements;
    std::span<const QStringView> answers;
};

// Calls take(i, columns) for each of `runs`, runs that ListRuns listed of
// the file, with the columns of run i's sheet. While that list is kept and
// the file is as it was listed, only the runs' sections are read, in file
// order through a small buffer, and only their three keys decoded; else
// the file is loaded as StoredSheets loads it. A run may be given twice
// (the file changed while it was read): the last call counts. Raises what
// StoredSheets raises. With `wanted`, only the runs it says yes to are
// split into columns and given to take; giving ListRuns's own list with a
// choice of its runs spares looking each one up by name.
void ForEachSheet(const QString &path, const QVector<RunSummary> &runs,
                  const std::function<void(qsizetype, const SheetColumns &)> &take,
                  const std::function<bool(qsizetype)> &wanted = nullptr);

// One run as ForEachRunSheet reads it.
struct RunSheet
{
    qsizetype run = 0;                     // its place among the runs ListRuns lists of the file
    qsizetype first = 0;                   // the run whose values it reads: itself, or the first of its name
    QString name;                          // its own section name
    QString module;                        // as ListRuns reads it; empty for a repeat of a name
    const SheetColumns *columns = nullptr; // null for a repeat, or a Module not wanted
};

// The runs of a file in one pass through a small buffer, read as ListRuns
// and ForEachSheet read them together, for work over every run of a long
// history that needs no more than this: only the section names, the
// Module and, for the runs whose Module `wanted` says yes to, the three
// keys of the sheet are decoded. Calls take for each run, in file order.
// Returns false when a run's lines are not read this way (a byte-order
// mark where its lines start): the caller forgets what take was given
// and reads the file with those two. A missing file holds no runs; raises
// "Cannot open file "%1". %2" when it exists but can't be read.
bool ForEachRunSheet(const QString &path, const std::function<bool(const QString &module)> &wanted,
                     const std::function<void(const RunSheet &)> &take);

} // namespace ResultsStore
