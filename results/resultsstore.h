#pragma once

// The results store: testres.ini (Training) and examres.ini (Exam), one
// section per stored run, named after the run's start, with the keys
// Total, Errors, Time, Mark, Koeff, Res and Answ in this order, then
// Module, From and To for runs whose Module is known. Runs stored before
// there were the last three keys lack them; every reader takes that.

#include "results/answersheet.h"
#include "results/runstate.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <functional>

namespace ResultsStore {

// The section name of a run started at `start`: the locale's short date
// with a four-digit year, one blank and the locale's long time without
// any time-zone part, e.g. "06.12.2026 20:54:09". One-second resolution;
// a start at exactly midnight gives the date alone.
QString SectionName(const QDateTime &start, const QLocale &locale);

// The formats SectionName makes of the locale's: every year field of a
// date format widened to four digits; a time format without its
// time-zone fields and the blanks, commas and brackets around them, and
// with seconds after the minutes when it had none. Quoted text is kept.
QString FullYearDateFormat(const QString &shortDateFormat);
QString ZonelessTimeFormat(const QString &longTimeFormat);

// The results file of a mode (full path in the data directory): Training
// (2) and Exam (3); the empty text for the modes that are never stored.
QString FileFor(int testMode);

// Column `column` of rows 0 to rows - 1 joined with "," (no quoting).
QString JoinColumn(const AnswerSheet &sheet, int column, int rows);

// Splits a stored "Res"/"Answ" text at every "," into `column`, part k
// into row k - 1, writing k into the row's Number. Parts beyond the sheet
// are ignored; an empty last part (after a final ",") writes nothing.
void SplitIntoColumn(AnswerSheet &sheet, int column, QStringView text);

// How many parts a stored list text splits into ("a,b," has three).
int PartCount(QStringView text);

// The keys of a stored run, in the order Save writes them.
inline constexpr QLatin1String TotalKey{"Total"};
inline constexpr QLatin1String ErrorsKey{"Errors"};
inline constexpr QLatin1String TimeKey{"Time"};
inline constexpr QLatin1String MarkKey{"Mark"};
inline constexpr QLatin1String KoeffKey{"Koeff"};
inline constexpr QLatin1String ResKey{"Res"};
inline constexpr QLatin1String AnswKey{"Answ"};
inline constexpr QLatin1String ModuleKey{"Module"};
inline constexpr QLatin1String FromKey{"From"};
inline constexpr QLatin1String ToKey{"To"};

// A stored Total or Errors as every reader takes it: 0 when the key is
// missing or its text is not a whole number.
qint32 StoredCount(const QString &text);

// Writes a run into a results file: under Profile::FileLock the whole
// file is loaded, the run's seven keys are set in a new section after the
// last one, then Module, From and To when the run's Module has a name,
// and the file is rewritten. The section is named `start`; when a section
// of that name is already there (two copies started in the same second,
// the hour repeated when summer time ends), "start (2)", "start (3)", ...
// so that no stored run is overwritten. Returns the name used. Raises
// AppError when the file can't be read or written; the file then keeps
// its previous content.
QString Save(const QString &path, const QString &start, const RunReport &report, const AnswerSheet &sheet,
             const RunModule &module = {});

// The name Save gives a run named `start` beside the sections `taken`
// tells of: `start` while it is free, else "start (2)", "start (3)", ...
QString FreeSectionName(const QString &start, const std::function<bool(const QString &)> &taken);

// What MergeRuns did.
struct Merged
{
    int added = 0;   // runs taken in under their own name
    int same = 0;    // runs the file already held, line for line
    int renamed = 0; // other runs under a name the file has, taken in as "name (2)", ...
};

// Takes the runs of a sync tool's conflict copy into a results file, in
// one rewrite under the FileLock: each run of the copy that the file does
// not hold is added after the file's runs, under the name FreeSectionName
// gives it; a run the file holds line for line is left out. The file's
// own runs and bytes stay as they were. Raises AppError when either file
// can't be read or the file can't be written (it is then as it was), and
// "Cannot open file "%1". %2" when the copy is not a results file.
// With write false nothing is written: the counts say what a merge would do.
Merged MergeRuns(const QString &path, const QString &copyPath, bool write = true);

// Deletes the stored run of that name from a results file, with direct
// access: the first section of that name, letter case aside, and nothing
// when there is none. Raises AppError when the file can't be rewritten;
// it then keeps every run.
void Delete(const QString &path, const QString &section);
// Deletes the runs of all those names in one rewrite of the file, each
// name taking the first section of that name still there, as one Delete
// after another would.
void Delete(const QString &path, const QStringList &sections);

// A stored run as the reopen reads it back. Nothing is written.
struct StoredRun
{
    AnswerSheet sheet;
    RunReport report; // Total, Right, Errors, Time, and Koeff and Mark as stored
};

// Reads a section back: "Total" (default 0) sizes the sheet, but never
// beyond the parts of "Res" or "Answ", so a hand-edited Total can't make
// an absurd sheet; "Res" fills Number and Text, "Answ" Number and Answer.
// Missing keys read as 0 and the empty text.
StoredRun Read(const QString &path, const QString &section);

// The sheet Read makes of a run's stored "Res", "Answ" and "Total".
AnswerSheet SheetOf(QStringView res, QStringView answ, qint32 total);

} // namespace ResultsStore
