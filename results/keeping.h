#pragma once

// When a kept Module is due again, from its stored runs alone.
//
// The ladder of intervals is 1, 3, 7, 14, 30, 60 and 120 days. A run
// "holds" when at least the keep threshold (a percentage) of its Elements
// are right in order. The runs of a Module, Training and Exam alike, are
// taken in the order they were started:
// - a run that holds, on or after the day the Module is due (or its first
//   run), climbs one rung: the Module is due again that rung's interval
//   after the run's day; above 120 days it stays at 120;
// - a run that holds before that day changes nothing: the list was still
//   fresh, so a second run on the same day does not climb again;
// - a run that does not hold brings the Module back to the first rung:
//   due again the next day.
// A kept Module without runs is due at once. A run dated after today (the
// clock was set back since) counts as made today.

#include "library/keepfile.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QPointF>
#include <QString>
#include <QStringList>
#include <QVector>

#include <array>

namespace Keeping {

inline constexpr std::array<int, 7> Ladder{1, 3, 7, 14, 30, 60, 120};

// One stored run on a kept Module, as the schedule counts it.
struct Figure
{
    QDateTime start;
    int total = 0;        // Elements of the run
    int rightInOrder = 0; // answers right in order (Analysis::Result::rightInOrder)
};

// Whether a run holds at `threshold` percent: rightInOrder >= threshold %
// of total, counted exactly; a run of no Elements never holds.
bool Holds(int rightInOrder, int total, int threshold);

struct Schedule
{
    int rung = -1; // index into Ladder; -1: no run counted yet
    QDate last;    // the day of the run that set the due date
    QDate due;     // null while no run is counted: due at once
    int Interval() const { return rung < 0 ? 0 : Ladder[size_t(rung)]; }
};

// The schedule after the runs (any order: they are taken by start, runs
// started at the same time in the order given).
Schedule ScheduleOf(QVector<Figure> runs, int threshold, const QDate &today);

// Days from the due date to today: 0 on the day, negative before it, 0 for
// a Module without runs.
int DaysOverdue(const Schedule &schedule, const QDate &today);
bool IsDue(const Schedule &schedule, const QDate &today);

// When a run named `section` was started, read back as
// ResultsStore::SectionName wrote it under `locale` (a " (2)" after it
// aside); invalid when the name is not such a date.
QDateTime RunStart(const QString &section, const QLocale &locale = QLocale());

// A kept Module with its schedule.
struct KeptModule
{
    QString module;
    bool sequence = true;
    Schedule schedule;
    QVector<Figure> runs; // by start
};

// The kept Modules that the library holds (exactly that name, as runs
// name their Module), each with its runs from the results files (runs of
// exactly that Module name, whose lists are stored and whose start reads
// as a date) and its schedule. Raises what reading the files raises.
QVector<KeptModule> Plan(const QVector<KeepFile::Kept> &kept, const QStringList &library,
                         const QStringList &resultsPaths, int threshold, const QDate &today);

// The Modules of a plan that are due today or overdue, the oldest due date
// first (a Module without runs as due today), then by name.
QVector<KeptModule> DueToday(const QVector<KeptModule> &plan, const QDate &today);

// The retention of a Module at a glance: for each run after its first, the
// days since the run before it (x) and the percent of its Elements right
// in order (y).
QVector<QPointF> Retention(const QVector<Figure> &runs);

// "3 lists due today"; empty for none.
QString DueNotice(int due);

} // namespace Keeping
