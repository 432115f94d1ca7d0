#include "results/keeping.h"

#include "results/analysis.h"
#include "results/resultsstore.h"
#include "results/storedruns.h"
#include "results/storedsheets.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>

namespace Keeping {
namespace {

// A name FreeSectionName made unique: "start (2)".
QStringView withoutNumber(QStringView name)
{
    if (!name.endsWith(QLatin1Char(')')))
        return name;
    const qsizetype open = name.lastIndexOf(QLatin1String(" ("));
    if (open < 0 || open + 3 > name.size() - 1)
        return name;
    for (const QChar c : name.mid(open + 2, name.size() - open - 3)) {
        if (!c.isDigit())
            return name;
    }
    return name.left(open);
}

// The date and time formats of SectionName, and the days already read.
class StartReader
{
public:
    explicit StartReader(const QLocale &locale)
        : m_locale(locale)
        , m_date(ResultsStore::FullYearDateFormat(locale.dateFormat(QLocale::ShortFormat)))
        , m_time(ResultsStore::ZonelessTimeFormat(locale.timeFormat(QLocale::LongFormat)))
    {
    }

    QDateTime Read(const QString &section)
    {
        const QStringView name = withoutNumber(section);
        // The date comes first; its format may hold blanks, so each blank
        // after it is tried as the place where the time begins.
        const QDate whole = day(name);
        if (whole.isValid())
            return QDateTime(whole, QTime(0, 0));
        for (qsizetype blank = name.indexOf(QLatin1Char(' ')); blank > 0;
             blank = name.indexOf(QLatin1Char(' '), blank + 1)) {
            const QDate date = day(name.left(blank));
            if (!date.isValid())
                continue;
            const QTime time = m_locale.toTime(name.mid(blank + 1).toString(), m_time);
            if (time.isValid())
                return QDateTime(date, time);
        }
        return {};
    }

private:
    QDate day(QStringView text)
    {
        const QString key = text.toString();
        const auto found = m_days.constFind(key);
        if (found != m_days.cend())
            return *found;
        const QDate date = m_locale.toDate(key, m_date);
        m_days.insert(key, date);
        return date;
    }

    QLocale m_locale;
    QString m_date;
    QString m_time;
    QHash<QString, QDate> m_days;
};

} // namespace

bool Holds(int rightInOrder, int total, int threshold)
{
    return total > 0 && qint64(rightInOrder) * 100 >= qint64(threshold) * total;
}

Schedule ScheduleOf(QVector<Figure> runs, int threshold, const QDate &today)
{
    std::stable_sort(runs.begin(), runs.end(), [](const Figure &a, const Figure &b) { return a.start < b.start; });
    Schedule s;
    const int top = int(Ladder.size()) - 1;
    for (const Figure &run : runs) {
        const QDate day = std::min(run.start.date(), today);
        if (!Holds(run.rightInOrder, run.total, threshold))
            s.rung = 0;
        else if (s.rung < 0 || day >= s.due)
            s.rung = std::min(s.rung + 1, top);
        else
            continue;
        s.last = day;
        s.due = day.addDays(s.Interval());
    }
    return s;
}

int DaysOverdue(const Schedule &schedule, const QDate &today)
{
    return schedule.due.isValid() ? int(schedule.due.daysTo(today)) : 0;
}

bool IsDue(const Schedule &schedule, const QDate &today) { return DaysOverdue(schedule, today) >= 0; }

QDateTime RunStart(const QString &section, const QLocale &locale) { return StartReader(locale).Read(section); }

QVector<KeptModule> Plan(const QVector<KeepFile::Kept> &kept, const QStringList &library,
                         const QStringList &resultsPaths, int threshold, const QDate &today)
{
    const QSet<QString> held(library.cbegin(), library.cend());
    QVector<KeptModule> plan;
    QHash<QString, int> index;
    for (const KeepFile::Kept &k : kept) {
        // keep.ini finds a section whatever its letter case; the runs and
        // the library name a Module exactly.
        for (const QString &name : library) {
            if (name.compare(k.module, Qt::CaseInsensitive) == 0 && !index.contains(name)) {
                index.insert(name, int(plan.size()));
                plan.append(KeptModule{name, k.sequence, {}, {}});
            }
        }
    }
    StartReader reader{QLocale()};
    for (const QString &path : resultsPaths) {
        const ResultsStore::RunList list = ResultsStore::ListRuns(path);
        QVector<ResultsStore::RunSummary> runs;
        QVector<int> owners;
        for (const ResultsStore::RunSummary &run : list.runs) {
            const auto owner = index.constFind(run.Module);
            if (owner == index.cend() || run.Module.isEmpty())
                continue;
            runs.append(run);
            owners.append(*owner);
        }
        if (runs.isEmpty())
            continue;
        ResultsStore::ForEachSheet(path, runs, [&](qsizetype i, const ResultsStore::SheetColumns &columns) {
            if (columns.elements.empty() || (columns.elements.size() == 1 && columns.elements.front().isEmpty()))
                return; // stored without its lists: nothing to judge
            const QDateTime start = reader.Read(runs.at(i).name);
            if (!start.isValid())
                return;
            const Analysis::Result result = Analysis::Analyse(columns.elements, columns.answers);
            plan[owners.at(i)].runs.append(Figure{start, int(columns.elements.size()), result.rightInOrder});
        });
    }
    for (KeptModule &module : plan) {
        std::stable_sort(module.runs.begin(), module.runs.end(),
                         [](const Figure &a, const Figure &b) { return a.start < b.start; });
        module.schedule = ScheduleOf(module.runs, threshold, today);
    }
    return plan;
}

QVector<KeptModule> DueToday(const QVector<KeptModule> &plan, const QDate &today)
{
    QVector<KeptModule> due;
    for (const KeptModule &module : plan) {
        if (IsDue(module.schedule, today))
            due.append(module);
    }
    std::stable_sort(due.begin(), due.end(), [&today](const KeptModule &a, const KeptModule &b) {
        const int overdueA = DaysOverdue(a.schedule, today), overdueB = DaysOverdue(b.schedule, today);
        if (overdueA != overdueB)
            return overdueA > overdueB;
        return a.module.compare(b.module, Qt::CaseInsensitive) < 0;
    });
    return due;
}

QVector<QPointF> Retention(const QVector<Figure> &runs)
{
    QVector<QPointF> points;
    for (qsizetype i = 1; i < runs.size(); ++i) {
        const Figure &run = runs.at(i);
        if (run.total <= 0)
            continue;
        points.append(QPointF(double(runs.at(i - 1).start.date().daysTo(run.start.date())),
                              100.0 * run.rightInOrder / run.total));
    }
    return points;
}

QString DueNotice(int due)
{
    if (due <= 0)
        return {};
    if (due == 1)
        return QCoreApplication::translate("Keeping", "1 list due today");
    return QCoreApplication::translate("Keeping", "%n lists due today", nullptr, due);
}

} // namespace Keeping
