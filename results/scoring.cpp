#include "results/scoring.h"

#include "results/numbertext.h"

#include <cmath>

double RoundToFraction(double x, int a)
{
    const double i = std::trunc(x);
    const double f = x - i;
    const double p = f * double(a);
    double q = std::trunc(p);
    const double g = p - q;
    if (g >= 0.5)
        q += 1;
    if (g <= -0.5)
        q -= 1;
    return i + q / double(a);
}

namespace Scoring {

TimeSplit SplitTime(quint32 ms)
{
    TimeSplit t;
    t.H = int((ms / 3596400u) % 24u);
    t.M = int((ms / 59940u) % 60u);
    t.S = int((ms / 999u) % 60u);
    return t;
}

QString TimeText(quint32 ms, int total)
{
    const TimeSplit t = SplitTime(ms);
    const double average = RoundToFraction(double(t.Sum()) / double(total), 100);
    return QString::number(t.H) + QLatin1Char(':') + QString::number(t.M) + QLatin1Char(':')
           + QString::number(t.S) + QLatin1String("  Average time for each number: ")
           + NumberText::FromDouble(average) + QLatin1String(" sec.");
}

double Koeff(int testMode, int total, int right, double seconds)
{
    if (testMode == 1)
        return double(right) / 5.0;
    return (double(total) - seconds / 6.0 + double(right)) / 5.0;
}

QString MarkFor(double koeff, int total, int errors)
{
    // Lower edges of the bands in hundredths; a value below an edge
    // belongs to the band beneath it.
    struct Band
    {
        long long from;
        const char *mark;
    };
    static constexpr Band bands[] = {
        {5700, nullptr}, {4750, "5"}, {3790, "5-"}, {2850, "4"}, {1890, "4-"}, {1140, "3"}, {370, "3-"},
    };
    const long long hundredths = std::llround(koeff * 100.0);
    for (const Band &band : bands) {
        if (hundredths < band.from)
            continue;
        if (!band.mark)
            return qint64(errors) * 10 < qint64(total) ? QStringLiteral("Master") : QStringLiteral("5");
        return QLatin1String(band.mark);
    }
    return QStringLiteral("2");
}

std::optional<Result> Score(const AnswerSheet &sheet, int testMode, quint32 startTick, quint32 endTick,
                            int mistakeCount)
{
    if (sheet.RowCount() < 2 || sheet.Cell(AnswerSheet::Number, 1).isEmpty())
        return std::nullopt;
    Result r;
    r.total = sheet.RowCount();
    r.errors = mistakeCount;
    r.right = r.total - r.errors;
    const quint32 ms = Elapsed(startTick, endTick);
    r.seconds = RoundToFraction(double(ms) / 1000.0, 100);
    r.average = RoundToFraction(double(SplitTime(ms).Sum()) / double(r.total), 100);
    r.koeff = RoundToFraction(Koeff(testMode, r.total, r.right, r.seconds), 100);
    r.report.Total = QString::number(r.total);
    r.report.Right = QString::number(r.right);
    r.report.Errors = QString::number(r.errors);
    r.report.Time = TimeText(ms, r.total);
    r.report.Koeff = NumberText::FromDouble(r.koeff);
    r.report.Mark = MarkFor(r.koeff, r.total, r.errors);
    return r;
}

} // namespace Scoring
