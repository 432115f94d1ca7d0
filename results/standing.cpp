#include "results/standing.h"

#include "results/numbertext.h"
#include "results/scoring.h"

#include <QCoreApplication>

#include <cmath>

namespace ResultsStore {

Standing StandingOf(const QVector<RunSummary> &runs, const QString &section)
{
    Standing standing;
    qsizetype at = -1;
    for (qsizetype i = 0; i < runs.size() && at < 0; ++i) {
        if (runs.at(i).name.compare(section, Qt::CaseInsensitive) == 0)
            at = i;
    }
    if (at < 0)
        return standing;
    standing.found = true;
    standing.run = runs.at(at);
    standing.scored = NumberText::ToDouble(standing.run.Koeff, &standing.koeff);
    if (standing.run.Module.isEmpty())
        return standing;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        double k = 0;
        if (i == at || runs.at(i).Module != standing.run.Module || !NumberText::ToDouble(runs.at(i).Koeff, &k))
            continue;
        if (i < at) {
            standing.hasPrevious = true;
            standing.previous = k;
        }
        if (!standing.hasBest || k > standing.best) {
            standing.hasBest = true;
            standing.best = k;
        }
    }
    return standing;
}

namespace {

// A change of Koeff: "+0,51", "−1,74" (a minus sign, as in the report's
// formula), or "±0".
QString change(double from, double to)
{
    const double d = RoundToFraction(to - from, 100);
    if (d == 0)
        return QStringLiteral("\u00B10");
    return (d > 0 ? QStringLiteral("+") : QStringLiteral("\u2212")) + NumberText::FromDouble(std::abs(d));
}

} // namespace

QString ModuleLine(const Standing &standing)
{
    if (!standing.found)
        return QString();
    const RunSummary &run = standing.run;
    if (run.Module.isEmpty())
        return QCoreApplication::translate("ResultsStore", "Module: %1").arg(Missing);
    return QCoreApplication::translate("ResultsStore", "Module: %1, %2 to %3").arg(run.Module, run.From, run.To);
}

QString ComparisonLine(const Standing &standing)
{
    if (!standing.found || !standing.scored)
        return QString();
    if (standing.run.Module.isEmpty())
        return QCoreApplication::translate("ResultsStore", "Stored without its Module: no runs to compare with.");
    if (!standing.hasBest)
        return QCoreApplication::translate("ResultsStore", "The only run on this Module.");
    const bool best = standing.koeff >= standing.best;
    const QString bestKoeff = NumberText::FromDouble(standing.best);
    const QString fromBest = change(standing.best, standing.koeff);
    if (!standing.hasPrevious) {
        return best ? QCoreApplication::translate("ResultsStore", "No earlier run; best run on this Module so far.")
                    : QCoreApplication::translate("ResultsStore", "No earlier run; best on this Module %1 (%2).")
                          .arg(bestKoeff, fromBest);
    }
    const QString previous = NumberText::FromDouble(standing.previous);
    const QString fromPrevious = change(standing.previous, standing.koeff);
    return best ? QCoreApplication::translate("ResultsStore", "Previous run %1 (%2); best run on this Module so far.")
                      .arg(previous, fromPrevious)
                : QCoreApplication::translate("ResultsStore", "Previous run %1 (%2); best on this Module %3 (%4).")
                      .arg(previous, fromPrevious, bestKoeff, fromBest);
}

} // namespace ResultsStore
