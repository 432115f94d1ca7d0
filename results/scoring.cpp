#include "results/scoring.h"

#include "results/numbertext.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <QStringList>

#include <cmath>
#include <iterator>

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
    return QString::number(t.H) + QLatin1Char(':') + QString::number(t.M) + QLatin1Char(':') + QString::number(t.S)
           + QLatin1String("  Average time for each number: ") + NumberText::FromDouble(average)
           + QLatin1String(" sec.");
}

QString ShownTime(const QString &stored)
{
    static const QRegularExpression shape(
        QStringLiteral("^([0-9]+):([0-9]+):([0-9]+)  Average time for each number: ([0-9]+(?:,[0-9]+)?) sec\\.$"));
    const QRegularExpressionMatch m = shape.match(stored);
    if (!m.hasMatch())
        return stored;
    const auto twoDigits = [&m](int n) { return m.captured(n).rightJustified(2, QLatin1Char('0')); };
    const QString hms = m.captured(1) + QLatin1Char(':') + twoDigits(2) + QLatin1Char(':') + twoDigits(3);
    return QCoreApplication::translate("Scoring", "%1  Average time for each number: %2 sec.").arg(hms, m.captured(4));
}

double Koeff(int testMode, int total, int right, double seconds)
{
    if (testMode == 1)
        return double(right) / 5.0;
    return (double(total) - seconds / 6.0 + double(right)) / 5.0;
}

QString KoeffKey(int testMode)
{
    return testMode == 1 ? QCoreApplication::translate("Scoring", "Koeff = right ÷ 5")
                         : QCoreApplication::translate("Scoring", "Koeff = (Elements + right − seconds ÷ 6) ÷ 5");
}

QString KoeffInWords()
{
    return QCoreApplication::translate("Scoring",
                                       "Koeff, the score of a run: the Elements asked plus the right answers, less "
                                       "one for every six seconds, divided by 5; so six seconds cost as much as a "
                                       "wrong answer. Higher is better. The Introductory Test's Koeff is its right "
                                       "answers divided by 5.");
}

namespace {

// Lower edges of the bands in hundredths, highest first; a value below an
// edge belongs to the band beneath it. The top band is Master's.
struct Band
{
    long long from;
    const char *mark;
};
constexpr Band bands[] = {
    {5700, "Master"}, {4750, "5"}, {3790, "5-"}, {2850, "4"}, {1890, "4-"}, {1140, "3"}, {370, "3-"},
};
constexpr const char *lowestMark = "2";

QString koeffText(long long hundredths) { return NumberText::FromDouble(double(hundredths) / 100.0); }

} // namespace

QString MarkFor(double koeff, int total, int errors)
{
    const long long hundredths = std::llround(koeff * 100.0);
    for (const Band &band : bands) {
        if (hundredths < band.from)
            continue;
        if (band.from == bands[0].from)
            return qint64(errors) * 10 < qint64(total) ? QStringLiteral("Master") : QStringLiteral("5");
        return QLatin1String(band.mark);
    }
    return QLatin1String(lowestMark);
}

QString ShownMark(const QString &stored)
{
    return stored == QLatin1String("Master") ? QCoreApplication::translate("Scoring", "Master") : stored;
}

QVector<MarkBand> MarkBands()
{
    QVector<MarkBand> out{{0, QLatin1String(lowestMark)}};
    for (auto it = std::rbegin(bands); it != std::rend(bands); ++it)
        out.append(MarkBand{int(it->from), QLatin1String(it->mark)});
    return out;
}

QString MarkKey()
{
    const QVector<MarkBand> all = MarkBands();
    QStringList parts{ShownMark(all.first().mark) + QStringLiteral(" <") + koeffText(all.at(1).fromHundredths)};
    for (qsizetype i = 1; i < all.size(); ++i)
        parts.append(ShownMark(all.at(i).mark) + QStringLiteral(" \u2265") + koeffText(all.at(i).fromHundredths));
    parts.last() = QCoreApplication::translate("Scoring", "%1 (<1 in 10 wrong)").arg(parts.last());
    const qsizetype half = (parts.size() + 1) / 2;
    const QString dot = QStringLiteral(" \u00B7 ");
    return QCoreApplication::translate("Scoring", "Marks: %1\n%2")
        .arg(parts.mid(0, half).join(dot), parts.mid(half).join(dot));
}

QString MarkKeyInWords()
{
    const QVector<MarkBand> all = MarkBands();
    QStringList from;
    for (qsizetype i = 1; i < all.size(); ++i)
        from.append(QCoreApplication::translate("Scoring", "from %1, %2")
                        .arg(koeffText(all.at(i).fromHundredths), ShownMark(all.at(i).mark)));
    return QCoreApplication::translate("Scoring", "A Koeff below %1 gives the mark %2; %3 when fewer than one answer "
                                                  "in ten is wrong, else 5.")
        .arg(koeffText(all.at(1).fromHundredths), all.first().mark, from.join(QStringLiteral("; ")));
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
