#include "results/keeping.h"

#include "results/analysis.h"
#include "results/resultsstore.h"
#include "results/storedruns.h"
#include "results/storedsheets.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>

#include <algorithm>
#include <limits>
#include <optional>
#include <vector>

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

// A date or time format of plain numbers and fixed texts, read by hand:
// QLocale's parser costs some microseconds a name, too many for a history
// of a hundred thousand runs. It reads only what the locale writes
// exactly as it writes it (ASCII digits, its AM/PM texts) and says no to
// everything else, which QLocale then reads.
class FixedFormat
{
public:
    FixedFormat(const QString &format, const QLocale &locale)
    {
        m_usable = locale.zeroDigit() == QLatin1String("0") && build(format, locale);
    }

    bool Usable() const { return m_usable; }

    struct Fields
    {
        int year = -1, month = -1, day = -1, hour = -1, minute = 0, second = 0;
        int half = -1; // 0: AM, 1: PM; -1: a 24-hour clock
    };

    // Reads the format from `at` on, moving `at` past it.
    bool Read(QStringView text, qsizetype &at, Fields &f) const
    {
        for (const Token &t : m_tokens) {
            if (t.kind == Token::Literal) {
                if (!text.mid(at).startsWith(t.text))
                    return false;
                at += t.text.size();
                continue;
            }
            if (t.kind == Token::Half) {
                if (text.mid(at).startsWith(t.text)) {
                    f.half = 0;
                    at += t.text.size();
                } else if (text.mid(at).startsWith(t.pm)) {
                    f.half = 1;
                    at += t.pm.size();
                } else {
                    return false;
                }
                continue;
            }
            int value = 0;
            qsizetype digits = 0;
            while (digits < t.most && at + digits < text.size()) {
                const char16_t c = text[at + digits].unicode();
                if (c < u'0' || c > u'9')
                    break;
                value = value * 10 + (c - u'0');
                ++digits;
            }
            if (digits < t.least)
                return false;
            at += digits;
            switch (t.kind) {
            case Token::Year:
                f.year = value;
                break;
            case Token::Month:
                f.month = value;
                break;
            case Token::Day:
                f.day = value;
                break;
            case Token::Hour:
                f.hour = value;
                break;
            case Token::Hour12:
                f.hour = value == 12 ? 0 : (value < 1 || value > 12 ? 99 : value);
                break;
            case Token::Minute:
                f.minute = value;
                break;
            case Token::Second:
                f.second = value;
                break;
            default:
                return false;
            }
        }
        return true;
    }

private:
    struct Token
    {
        enum Kind { Literal, Year, Month, Day, Hour, Hour12, Minute, Second, Half } kind;
        int least = 0, most = 0; // digits
        QString text;            // a literal; the AM text of Half
        QString pm;
    };

    bool build(const QString &format, const QLocale &locale)
    {
        bool twelve = false, half = false;
        for (qsizetype i = 0; i < format.size();) {
            const QChar c = format.at(i);
            qsizetype run = 1;
            while (i + run < format.size() && format.at(i + run) == c)
                ++run;
            if (c == QLatin1Char('\'')) {
                // 'text' stands as it is; '' is a quote.
                QString literal;
                qsizetype j = i + 1;
                if (j < format.size() && format.at(j) == QLatin1Char('\'')) {
                    literal = QStringLiteral("'");
                    j += 1;
                } else {
                    while (j < format.size()) {
                        if (format.at(j) == QLatin1Char('\'')) {
                            if (j + 1 < format.size() && format.at(j + 1) == QLatin1Char('\'')) {
                                literal += QLatin1Char('\'');
                                j += 2;
                                continue;
                            }
                            break;
                        }
                        literal += format.at(j++);
                    }
                    if (j >= format.size())
                        return false;
                    ++j;
                }
                addLiteral(literal);
                i = j;
                continue;
            }
            if (c.unicode() < 0x80 && c.isLetter()) {
                Token t{Token::Literal, 0, 0, {}, {}};
                const char l = c.toLatin1();
                if (l == 'y' && run == 4)
                    t = {Token::Year, 4, 4, {}, {}};
                else if (l == 'M' && run <= 2)
                    t = {Token::Month, int(run), 2, {}, {}};
                else if (l == 'd' && run <= 2)
                    t = {Token::Day, int(run), 2, {}, {}};
                else if (l == 'H' && run <= 2)
                    t = {Token::Hour, int(run), 2, {}, {}};
                else if (l == 'h' && run <= 2)
                    t = {Token::Hour12, int(run), 2, {}, {}}, twelve = true;
                else if (l == 'm' && run <= 2)
                    t = {Token::Minute, int(run), 2, {}, {}};
                else if (l == 's' && run <= 2)
                    t = {Token::Second, int(run), 2, {}, {}};
                else if ((l == 'A' || l == 'a') && run == 1 && i + 1 < format.size()
                         && format.at(i + 1).toLower() == QLatin1Char('p')) {
                    const bool upper = l == 'A' && format.at(i + 1) == QLatin1Char('P');
                    const bool lower = l == 'a' && format.at(i + 1) == QLatin1Char('p');
                    if (!upper && !lower)
                        return false;
                    t = {Token::Half, 0, 0, upper ? locale.amText().toUpper() : locale.amText().toLower(),
                         upper ? locale.pmText().toUpper() : locale.pmText().toLower()};
                    if (t.text.isEmpty() || t.pm.isEmpty() || t.text.startsWith(t.pm) || t.pm.startsWith(t.text))
                        return false;
                    half = true;
                    run = 2;
                } else {
                    return false; // names of months and days, zones, fractions
                }
                // A field of one or two digits needs something else after it.
                if (!m_tokens.empty() && m_tokens.back().kind != Token::Literal && m_tokens.back().kind != Token::Half
                    && m_tokens.back().least != m_tokens.back().most)
                    return false;
                m_tokens.push_back(t);
                i += run;
                continue;
            }
            addLiteral(format.mid(i, run));
            i += run;
        }
        if (twelve != half)
            return false;
        return true;
    }

    void addLiteral(const QString &text)
    {
        if (!m_tokens.empty() && m_tokens.back().kind == Token::Literal)
            m_tokens.back().text += text;
        else
            m_tokens.push_back(Token{Token::Literal, 0, 0, text, {}});
    }

    std::vector<Token> m_tokens;
    bool m_usable = false;
};

// The date and time formats of SectionName, and the days already read.
class StartReader
{
public:
    explicit StartReader(const QLocale &locale)
        : m_locale(locale)
        , m_date(ResultsStore::FullYearDateFormat(locale.dateFormat(QLocale::ShortFormat)))
        , m_time(ResultsStore::ZonelessTimeFormat(locale.timeFormat(QLocale::LongFormat)))
        , m_fixedDate(m_date, locale)
        , m_fixedTime(m_time, locale)
    {
    }

    // The day and the time of day the name gives; a null time for a name
    // of a date alone.
    bool ReadLocal(const QString &section, QDate *date, QTime *time)
    {
        const QStringView name = withoutNumber(section);
        if (quick(name, date, time))
            return true;
        // The date comes first; its format may hold blanks, so each blank
        // after it is tried as the place where the time begins.
        const QDate whole = day(name);
        if (whole.isValid()) {
            *date = whole;
            *time = QTime(0, 0);
            return true;
        }
        for (qsizetype blank = name.indexOf(QLatin1Char(' ')); blank > 0;
             blank = name.indexOf(QLatin1Char(' '), blank + 1)) {
            const QDate d = day(name.left(blank));
            if (!d.isValid())
                continue;
            const QTime t = m_locale.toTime(name.mid(blank + 1).toString(), m_time);
            if (t.isValid()) {
                *date = d;
                *time = t;
                return true;
            }
        }
        return false;
    }

    QDateTime Read(const QString &section)
    {
        QDate date;
        QTime time;
        if (!ReadLocal(section, &date, &time))
            return {};
        return QDateTime(date, time);
    }

private:
    // The name as SectionName writes it, read without QLocale.
    bool quick(QStringView name, QDate *date, QTime *time) const
    {
        if (!m_fixedDate.Usable() || !m_fixedTime.Usable())
            return false;
        FixedFormat::Fields f;
        qsizetype at = 0;
        if (!m_fixedDate.Read(name, at, f) || f.year < 0 || f.month < 0 || f.day < 0)
            return false;
        const QDate d(f.year, f.month, f.day);
        if (!d.isValid())
            return false;
        if (at == name.size()) {
            *date = d;
            *time = QTime(0, 0);
            return true;
        }
        if (name[at] != QLatin1Char(' '))
            return false;
        ++at;
        FixedFormat::Fields t;
        if (!m_fixedTime.Read(name, at, t) || at != name.size() || t.hour < 0 || t.hour > 23)
            return false;
        int hour = t.hour;
        if (t.half == 1)
            hour += 12;
        const QTime clock(hour, t.minute, t.second);
        if (!clock.isValid())
            return false;
        *date = d;
        *time = clock;
        return true;
    }

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
    FixedFormat m_fixedDate;
    FixedFormat m_fixedTime;
    QHash<QString, QDate> m_days;
};

// The local times of the runs: QDateTime asks the C library for each one,
// and that reads the zone file again every time. A day on which the
// offset from UTC stays the same is asked once and its times are placed
// by that offset; a day with a change of offset is asked run by run.
class LocalTimes
{
public:
    QDateTime At(const QDate &date, const QTime &time)
    {
        auto found = m_offsets.constFind(date);
        if (found == m_offsets.cend())
            found = m_offsets.insert(date, steadyOffset(date));
        if (*found == Unsteady)
            return QDateTime(date, time);
        const qint64 local = QDateTime(date, time, Qt::UTC).toMSecsSinceEpoch();
        return QDateTime::fromMSecsSinceEpoch(local - qint64(*found) * 1000, Qt::OffsetFromUTC, *found);
    }

private:
    static constexpr int Unsteady = std::numeric_limits<int>::min();

    static int steadyOffset(const QDate &date)
    {
        const QDateTime start(date, QTime(0, 0));
        const QDateTime end(date, QTime(23, 59, 59));
        if (!start.isValid() || !end.isValid() || start.time() != QTime(0, 0) || end.time() != QTime(23, 59, 59))
            return Unsteady;
        const int offset = start.offsetFromUtc();
        if (end.offsetFromUtc() != offset || start.secsTo(end) != 86399)
            return Unsteady;
        return offset;
    }

    QHash<QDate, int> m_offsets;
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
    LocalTimes local;
    // A run counted, with the run whose values it reads: a name given
    // twice counts where its first section stands, as a second read of it.
    struct Found
    {
        qsizetype at;
        int owner;
        Figure figure;
    };
    QVector<Found> found;
    // A run whose start does not read as a date is not counted.
    const auto counted = [&](qsizetype at, int owner, const QString &name, int total,
                             int rightInOrder) -> std::optional<Found> {
        QDate day;
        QTime time;
        if (!reader.ReadLocal(name, &day, &time))
            return std::nullopt;
        const QDateTime start = local.At(day, time);
        if (!start.isValid())
            return std::nullopt;
        return Found{at, owner, Figure{start, total, rightInOrder}};
    };
    // Stored without its lists: nothing to judge.
    const auto judged = [](const ResultsStore::SheetColumns &columns) {
        return !columns.elements.empty() && !(columns.elements.size() == 1 && columns.elements.front().isEmpty());
    };
    for (const QString &path : resultsPaths) {
        found.clear();
        // Each run read once, its lists only when its Module is kept.
        struct Lists
        {
            int owner = -1;
            int total = 0;
            int rightInOrder = 0;
        };
        std::vector<Lists> lists;
        bool repeats = false;
        const bool read = ResultsStore::ForEachRunSheet(
            path, [&index](const QString &module) { return index.contains(module); },
            [&](const ResultsStore::RunSheet &run) {
                Lists l;
                if (run.first != run.run) {
                    l = lists[size_t(run.first)];
                    repeats = true;
                } else if (run.columns && judged(*run.columns)) {
                    l = Lists{index.value(run.module), int(run.columns->elements.size()),
                              Analysis::RightInOrder(run.columns->elements, run.columns->answers)};
                }
                lists.push_back(l);
                if (l.owner < 0)
                    return;
                if (const auto f = counted(run.first, l.owner, run.name, l.total, l.rightInOrder))
                    found.append(*f);
            });
        if (!read) {
            found.clear();
            repeats = true;
            const ResultsStore::RunList list = ResultsStore::ListRuns(path);
            // The list itself is given, so that each run is read where the
            // list found it; runs of other Modules are passed over.
            std::vector<int> owners(size_t(list.runs.size()), -1);
            bool any = false;
            for (qsizetype r = 0; r < list.runs.size(); ++r) {
                const QString &module = list.runs.at(r).Module;
                const auto owner = module.isEmpty() ? index.cend() : index.constFind(module);
                if (owner != index.cend()) {
                    owners[size_t(r)] = *owner;
                    any = true;
                }
            }
            if (!any)
                continue;
            const auto wanted = [&owners](qsizetype i) { return owners[size_t(i)] >= 0; };
            const QVector<ResultsStore::RunSummary> &runs = list.runs;
            // A run may be given twice: the last time counts.
            std::vector<std::optional<Found>> byRun(size_t(runs.size()));
            ResultsStore::ForEachSheet(
                path, runs,
                [&](qsizetype i, const ResultsStore::SheetColumns &columns) {
                    byRun[size_t(i)] = std::nullopt;
                    if (judged(columns))
                        byRun[size_t(i)] =
                            counted(runs.at(i).offset, owners[size_t(i)], runs.at(i).name, int(columns.elements.size()),
                                    Analysis::RightInOrder(columns.elements, columns.answers));
                },
                wanted);
            for (const std::optional<Found> &f : byRun) {
                if (f)
                    found.append(*f);
            }
        }
        // Runs of one start in the order the file holds what they read.
        if (repeats)
            std::stable_sort(found.begin(), found.end(), [](const Found &a, const Found &b) { return a.at < b.at; });
        for (const Found &f : found)
            plan[f.owner].runs.append(f.figure);
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
