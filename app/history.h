#pragma once

// Reading the results history: what the main window lists and charts,
// narrowed to one Module or not, and its export.

#include "results/answersheet.h"
#include "results/sportscoring.h"
#include "results/storedruns.h"
#include "results/storedsheets.h"

#include <QByteArray>
#include <QDate>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>
#include <utility>

namespace History {

// At most this many runs are listed.
constexpr int MaxRows = 100;

struct Row
{
    QString name;  // section name: the run's start
    QString Koeff; // stored "Koeff", as stored
    QString Mark;  // stored "Mark", as stored
};

struct Bar
{
    double value;
    QString label;
    int red, green, blue;
    QString mark = {}; // the run's stored Mark, which the chart colours by
};

struct Listing
{
    QVector<Row> rows;      // newest first; one empty row when nothing is stored
    double maxKoeff = 0;    // largest Koeff that parses
    double axisMaximum = 1; // maxKoeff + 0.5, or 1 when maxKoeff is 0
    QVector<Bar> bars;      // oldest listed run first
};

// Lists the last MaxRows runs of a results file (the newest, as runs are
// added at its end), the newest on row 0, with their bars. A run reads its
// values as direct access reads them (see ResultsStore::ListRuns).
Listing Read(const QString &path);

// The same for the runs of one Module (exactly that name): the last
// MaxRows of them, the newest on row 0, with their bars; with allModules
// the last MaxRows runs whatever their Module.
Listing ReadModule(const QVector<ResultsStore::RunSummary> &runs, const QString &module, bool allModules = false);

// The Module names runs were stored with, each once, in alphabetical order
// without regard to letter case. Runs stored without a Module add none.
QStringList ModuleNames(const QVector<ResultsStore::RunSummary> &runs);

// The runs of one Module in file order; all of them for the empty name.
QVector<ResultsStore::RunSummary> RunsOf(const QVector<ResultsStore::RunSummary> &runs, const QString &module);

// A round step for the chart's value axis from 0 to `maximum`: 1, 2 or 5
// times a power of ten, at most six steps to the maximum.
double AxisStep(double maximum);

// How many decimals the axis labels of that step need.
int AxisDecimals(double step);

// How many Koeffs the chart's moving average takes.
constexpr int AverageWindow = 5;

// For each bar, the mean of its value and those of the bars before it, at
// most `window` values in all.
QVector<double> MovingAverage(const QVector<Bar> &bars, int window = AverageWindow);

// The whole seconds of a stored Time text ("H:M:S  Average ..."): H x 3600
// + M x 60 + S; false when the text does not start with H:M:S.
bool TimeSeconds(const QString &time, qint64 *seconds);

// The runs as CSV (RFC 4180: fields with a comma, a quote or a line break
// quoted, quotes doubled; CR LF line ends), UTF-8 with a byte-order mark
// (a byte of the results file that is not UTF-8 as U+FFFD), after a header
// row:
// DateTime, Module, From, To, Total, Errors, Right, Time (seconds), Koeff,
// Mark. Numbers have "." as the decimal point; a number that is missing
// or does not parse leaves its field empty, except Total and Errors,
// which read as 0 when missing as they do everywhere. A run stored
// without its Module has "—" for Module, From and To.
//
// Given the sheet of each run (by its name), each line also has what the
// analysis of the sheet finds: Omitted, Inserted, Swapped (pairs), Wrong,
// Blank, RightInOrder, and the run's score under `choice`, headed "Score
// (Rows of 10)" and the like (with the rule set's switches and letter case
// when they are not the defaults: "Score (Rows of 10, no half rows)");
// under Koeff and mark that is the Koeff. The analysis and the score
// follow the choice's letter case.
// The Elements and answers of a run's sheet, by the run's name.
// (Csv holds every line at once; the Export button writes them as they
// are made, see ExportCsv.)
using SheetOf = std::function<std::pair<QStringList, QStringList>(const QString &section)>;
QByteArray Csv(const QVector<ResultsStore::RunSummary> &runs, const SheetOf &sheetOf = {},
               const SportScoring::Choice &choice = {});

// The file name Export suggests: "Training results – Capitals.csv", or
// without the Module for all of them; a character that a file name can't
// hold on some systems ("/", "\\", ":", ...) as "_".
QString ExportFileName(bool training, const QString &module);

// What the analysis of a run's sheet adds to its CSV line.
struct RunAnalysis
{
    int omitted = 0;
    int inserted = 0;
    int swapped = 0;
    int wrong = 0;
    int blank = 0;
    int rightInOrder = 0;
    qint64 score = 0; // under any rule but Koeff and mark
};
RunAnalysis AnalyseRun(const ResultsStore::SheetColumns &sheet, const SportScoring::Choice &choice);

// Writes the CSV of the runs, runs of the results file `source` as its
// list gives them, each analysed, to a file, whole or not at all (a
// temporary file renamed into place). The lines go to the file as they
// are made: the CSV of a long history is never held whole. Raises AppError
// "Cannot create file "%s". %s" with the system's reason, and what reading
// the results file raises.
//
// With kept Modules, each line ends in its Module's schedule: Due (the
// date it is due, yyyy-MM-dd) and Interval (days), both empty for a Module
// that is not kept or has no run yet.
struct KeptSchedule
{
    QDate due;
    int interval = 0;
};
using KeptSchedules = QHash<QString, KeptSchedule>; // by Module name
void ExportCsv(const QString &path, const QString &source, const QVector<ResultsStore::RunSummary> &runs,
               const SportScoring::Choice &choice = {}, const KeptSchedules &kept = {});

// The share of right answers (0 to 1) at each position 1 ... N over the
// sheets, N the longest of them; a position counts the sheets that reach
// it, and a sheet's single empty row (a run stored without lists) none.
QVector<double> RightByPosition(const QVector<AnswerSheet> &sheets);

// Swaps row i with row (count - 1 - i) for the first half of the rows.
void ReverseHistoryRows(QVector<Row> &rows);

// The bar colour of a row: by row number modulo 6.
void BarColour(int row, int *red, int *green, int *blue);

// The chart label of a run: the date of its name, the part before its
// time (up to 16 characters); else the first 10 characters of the name.
QString BarLabel(const QString &name);

} // namespace History
