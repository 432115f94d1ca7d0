#pragma once

// Reading the results history: what the main window lists and charts.

#include <QString>
#include <QVector>

namespace History {

// At most this many runs are listed.
constexpr int MaxRows = 100;

struct Row
{
    QString name;  // section name: the run's start
    QString koeff; // stored "Koeff", as stored
    QString mark;  // stored "Mark", as stored
};

struct Bar
{
    double value;
    QString label;
    int red, green, blue;
};

struct Listing
{
    QVector<Row> rows;       // newest first; one empty row when nothing is stored
    double maxKoeff = 0;     // largest Koeff that parses
    double axisMaximum = 1;  // maxKoeff + 0.5, or 1 when maxKoeff is 0
    QVector<Bar> bars;       // oldest listed run first
};

// Lists the first MaxRows sections of a results file (direct access),
// reversed so that the newest listed run is row 0, with their bars.
Listing Read(const QString &path);

// Swaps row i with row (count - 1 - i) for the first half of the rows.
void ReverseHistoryRows(QVector<Row> &rows);

// The bar colour of a row: by row number modulo 6.
void BarColour(int row, int *red, int *green, int *blue);

// The chart label of a run: the first 10 characters of its name.
QString BarLabel(const QString &name);

} // namespace History
