#include "results/storedruns.h"

#include "profile/bytetext.h"
#include "results/numbertext.h"
#include "results/scoring.h"
#include "profile/profilefile.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>

#include <sys/stat.h>

#include <algorithm>
#include <cstring>
#include <iterator>
#include <optional>

namespace ResultsStore {
namespace {

bool isBlank(char c) { return static_cast<unsigned char>(c) <= 0x20; }

void trimSpan(const char *p, qsizetype &start, qsizetype &end)
{
    while (start < end && isBlank(p[start]))
        ++start;
    while (end > start && isBlank(p[end - 1]))
        --end;
}

// The keys read, and where each goes.
struct Wanted
{
    QLatin1String key;
    QString RunSummary::*field;
};
const Wanted wantedKeys[] = {
    {QLatin1String("Total"), &RunSummary::total},   {QLatin1String("Errors"), &RunSummary::errors},
    {QLatin1String("Time"), &RunSummary::time},     {QLatin1String("Mark"), &RunSummary::mark},
    {QLatin1String("Koeff"), &RunSummary::koeff},   {QLatin1String("Module"), &RunSummary::module},
    {QLatin1String("From"), &RunSummary::from},     {QLatin1String("To"), &RunSummary::to},
};
constexpr int WantedCount = int(std::size(wantedKeys));

bool asciiOnly(const char *p, qsizetype start, qsizetype end)
{
    for (qsizetype i = start; i < end; ++i) {
        if (static_cast<unsigned char>(p[i]) >= 0x80)
            return false;
    }
    return true;
}

// Which wanted key the bytes name, or -1. Keys are compared as the INI
// layer compares them: without regard to letter case, after decoding.
int wantedIndex(const char *p, qsizetype start, qsizetype end)
{
    const qsizetype size = end - start;
    if (asciiOnly(p, start, end)) {
        for (int i = 0; i < WantedCount; ++i) {
            const QLatin1String key = wantedKeys[i].key;
            if (key.size() == size && qstrnicmp(p + start, key.data(), size_t(size)) == 0)
                return i;
        }
        return -1;
    }
    const QString key = Profile::DecodeBytes(QByteArrayView(p + start, size));
    for (int i = 0; i < WantedCount; ++i) {
        if (key.compare(wantedKeys[i].key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

// The first `limit` code points of a text.
QString cutToCodePoints(const QString &text, int limit)
{
    qsizetype i = 0;
    int count = 0;
    const qsizetype n = text.size();
    while (i < n && count < limit) {
        i += (text.at(i).isHighSurrogate() && i + 1 < n && text.at(i + 1).isLowSurrogate()) ? 2 : 1;
        ++count;
    }
    return i < n ? text.left(i) : text;
}

// A value as direct access returns it: one pair of enclosing quotes
// removed, then cut at the limit (decoding no more than the limit needs).
QString directValue(const char *p, qsizetype start, qsizetype end)
{
    if (end - start >= 2 && (p[start] == '"' || p[start] == '\'') && p[end - 1] == p[start]) {
        ++start;
        --end;
    }
    const qsizetype maxBytes = qsizetype(ProfileFile::DirectValueLimit) * 4;
    const QString text = Profile::DecodeBytes(QByteArrayView(p + start, qMin(end, start + maxBytes) - start));
    return cutToCodePoints(text, ProfileFile::DirectValueLimit);
}

// What tells one content of a file from another: a program's write
// renames a new file into place (a new inode), an edit in place changes
// the size or the times.
struct Stamp
{
    qint64 size = 0;
    qint64 modified = 0;
    qint64 changed = 0;
    quint64 inode = 0;
    bool operator==(const Stamp &) const = default;
};

std::optional<Stamp> stampOf(const QString &path)
{
    struct stat st;
    if (::stat(QFile::encodeName(path).constData(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    return Stamp{qint64(st.st_size), qint64(st.st_mtim.tv_sec) * 1000000000 + st.st_mtim.tv_nsec,
                 qint64(st.st_ctim.tv_sec) * 1000000000 + st.st_ctim.tv_nsec, quint64(st.st_ino)};
}

struct Kept
{
    QString path;
    Stamp stamp;
    RunList list;
};

Kept &kept()
{
    static Kept k;
    return k;
}

RunList scan(const QString &path)
{
    RunList list;
    const QFileInfo info(path);
    if (!info.exists())
        return list;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        list.problem = info.isDir() ? QStringLiteral("Is a directory") : file.errorString();
        return list;
    }
    // Read whole, then one pass over its bytes. (Not mapped: a file that
    // another program shortens meanwhile would bring the program down.)
    const QByteArray copy = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        list.problem = file.errorString();
        return list;
    }
    const char *p = copy.constData();
    const qsizetype n = copy.size();
    qsizetype i = QByteArrayView(p, n).startsWith(Profile::Utf8Bom) ? Profile::Utf8Bom.size() : 0;
    QVector<int> firstOf;                // per listed run: the run whose values it reads
    QHash<QString, int> firstByName;     // case-folded name -> first listed run
    RunSummary *current = nullptr;       // the section being read; null before the first
    bool found[WantedCount] = {};
    while (i < n) {
        const qsizetype start = i;
        const void *lf = std::memchr(p + i, '\n', size_t(n - i));
        const qsizetype stop = lf ? static_cast<const char *>(lf) - p : n;
        const void *cr = std::memchr(p + i, '\r', size_t(stop - i));
        qsizetype end;
        if (cr) {
            end = static_cast<const char *>(cr) - p;
            i = (end + 1 < n && p[end + 1] == '\n') ? end + 2 : end + 1;
        } else {
            end = stop;
            i = lf ? stop + 1 : n;
        }
        qsizetype s = start;
        qsizetype e = end;
        trimSpan(p, s, e);
        if (e - s >= 2 && p[s] == '[' && p[e - 1] == ']') {
            qsizetype ns = s + 1;
            qsizetype ne = e - 1;
            trimSpan(p, ns, ne);
            std::fill(std::begin(found), std::end(found), false);
            current = nullptr;
            if (ns == ne)
                continue; // a section without a name is read by no one
            list.runs.append(RunSummary{});
            current = &list.runs.last();
            current->name = Profile::DecodeBytes(QByteArrayView(p + ns, ne - ns));
            const int index = int(list.runs.size()) - 1;
            const auto it = firstByName.constFind(Profile::FoldedName(current->name));
            if (it == firstByName.constEnd()) {
                firstByName.insert(Profile::FoldedName(current->name), index);
                firstOf.append(index);
            } else {
                firstOf.append(it.value());
            }
            continue;
        }
        if (!current || s == e || p[s] == ';')
            continue;
        const void *eq = std::memchr(p + s, '=', size_t(e - s));
        if (!eq)
            continue;
        const qsizetype eqPos = static_cast<const char *>(eq) - p;
        qsizetype ks = s;
        qsizetype ke = eqPos;
        trimSpan(p, ks, ke);
        const int k = wantedIndex(p, ks, ke);
        if (k < 0 || found[k])
            continue;
        found[k] = true;
        qsizetype vs = eqPos + 1;
        qsizetype ve = e;
        trimSpan(p, vs, ve);
        (*current).*(wantedKeys[k].field) = directValue(p, vs, ve);
    }
    // A name given twice reads what its first section holds.
    for (int r = 0; r < list.runs.size(); ++r) {
        const int first = firstOf.at(r);
        if (first == r)
            continue;
        RunSummary &run = list.runs[r];
        const QString name = run.name;
        run = list.runs.at(first);
        run.name = name;
    }
    return list;
}

} // namespace

RunList ListRuns(const QString &path)
{
    const std::optional<Stamp> stamp = stampOf(path);
    Kept &k = kept();
    if (stamp && k.path == path && k.stamp == *stamp)
        return k.list;
    RunList list = scan(path);
    // Kept only when the file was there before and after, unchanged.
    if (stamp && list.problem.isEmpty() && stampOf(path) == stamp)
        k = Kept{path, *stamp, list};
    else
        k = Kept{};
    return list;
}

void ForgetRuns() { kept() = Kept{}; }

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
    standing.scored = NumberText::ToDouble(standing.run.koeff, &standing.koeff);
    if (standing.run.module.isEmpty())
        return standing;
    for (qsizetype i = 0; i < runs.size(); ++i) {
        double k = 0;
        if (i == at || runs.at(i).module != standing.run.module || !NumberText::ToDouble(runs.at(i).koeff, &k))
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

// A change of Koeff: "+0,51", "-1,74", or "±0".
QString change(double from, double to)
{
    const double d = RoundToFraction(to - from, 100);
    if (d == 0)
        return QStringLiteral("\u00B10");
    return (d > 0 ? QStringLiteral("+") : QString()) + NumberText::FromDouble(d);
}

} // namespace

QString ModuleLine(const Standing &standing)
{
    if (!standing.found)
        return QString();
    const RunSummary &run = standing.run;
    if (run.module.isEmpty())
        return QStringLiteral("Module: ") + Missing;
    return QStringLiteral("Module: ") + run.module + QStringLiteral(", ") + run.from + QStringLiteral(" to ") + run.to;
}

QString ComparisonLine(const Standing &standing)
{
    if (!standing.found || !standing.scored)
        return QString();
    if (standing.run.module.isEmpty())
        return QStringLiteral("Stored without its Module: no runs to compare with.");
    if (!standing.hasBest)
        return QStringLiteral("The only run on this Module.");
    QString out;
    if (standing.hasPrevious) {
        out = QStringLiteral("Previous run ") + NumberText::FromDouble(standing.previous) + QStringLiteral(" (") +
              change(standing.previous, standing.koeff) + QStringLiteral("); ");
    } else {
        out = QStringLiteral("No earlier run; ");
    }
    if (standing.koeff >= standing.best)
        return out + QStringLiteral("best run on this Module so far.");
    return out + QStringLiteral("best on this Module ") + NumberText::FromDouble(standing.best) + QStringLiteral(" (") +
           change(standing.best, standing.koeff) + QStringLiteral(").");
}

} // namespace ResultsStore
