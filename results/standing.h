#pragma once

// How a stored run stands among the runs of its Module, and the report's
// lines that say so.

#include "results/storedruns.h"

#include <QString>
#include <QVector>

namespace ResultsStore {

// How a stored run stands among the runs of its Module: the run is found
// by name as every reader finds it (its first section, letter case aside),
// runs count only when their Koeff parses, and only runs of exactly the
// same Module name are compared.
struct Standing
{
    bool found = false;  // the run is in the list
    RunSummary run;      // what it holds
    bool scored = false; // its Koeff parses
    double koeff = 0;
    bool hasPrevious = false; // an earlier run on the Module, the last of them
    double previous = 0;
    bool hasBest = false; // another run on the Module, the best of them
    double best = 0;
};
Standing StandingOf(const QVector<RunSummary> &runs, const QString &section);

// The same of a run of a file, through ListRuns: while the file stays as
// it was listed, the run and its Module's runs are looked up in what the
// list keeps, not gone through.
Standing StandingIn(const QString &path, const QString &section);

// The report's lines on a stored run: "Module: Capitals, Paris to Oslo"
// ("Module: —" for a run stored without it), and how its Koeff compares
// with the previous and the best run on that Module.
QString ModuleLine(const Standing &standing);
QString ComparisonLine(const Standing &standing);

} // namespace ResultsStore
