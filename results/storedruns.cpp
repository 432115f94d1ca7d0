#include "results/storedruns.h"

#include "results/standing.h"

#include "profile/bytetext.h"
#include "profile/fileaccess.h"
#include "profile/filestamp.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/numbertext.h"
#include "results/resultsstore.h"
#include "results/scoring.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>
#include <optional>
#include <vector>

namespace ResultsStore {
namespace {

// The keys read, and where each goes.
struct Wanted
{
    QLatin1String key;
    QString RunSummary::*field;
};
const Wanted wantedKeys[] = {
    {TotalKey, &RunSummary::Total}, {ErrorsKey, &RunSummary::Errors}, {TimeKey, &RunSummary::Time},
    {MarkKey, &RunSummary::Mark},   {KoeffKey, &RunSummary::Koeff},   {ModuleKey, &RunSummary::Module},
    {FromKey, &RunSummary::From},   {ToKey, &RunSummary::To},
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

using Profile::FileStamp;
using Profile::StampOf;

// The scored runs of one Module in file order, and its two best, so that
// a run's standing is found without going through every run.
struct ModuleRuns
{
    QVector<qsizetype> at; // ascending
    QVector<double> koeff;
    qsizetype bestAt = -1;
    double best = 0;
    qsizetype secondAt = -1; // the best of the others
    double second = 0;

    void Add(qsizetype i, double k)
    {
        at.append(i);
        koeff.append(k);
        if (bestAt < 0 || k > best) {
            secondAt = bestAt;
            second = best;
            bestAt = i;
            best = k;
        } else if (secondAt < 0 || k > second) {
            secondAt = i;
            second = k;
        }
    }
};

// What finds a run of a kept list: its first section by folded name, and
// the scored runs of each Module.
struct Index
{
    Profile::FirstSections firstByName;
    QHash<QString, ModuleRuns> modules;
};

struct Kept
{
    QString path;
    FileStamp stamp;
    RunList list;
    Index index;
};

// The lists of the last two files read: the history toggles between the
// Training and the Exam file, and each keeps its list while it is unchanged.
constexpr int KeptFiles = 2;

Kept (&kept())[KeptFiles]
{
    static Kept k[KeptFiles];
    return k;
}

// The short values repeat from run to run (Module, From, To, Total, Mark):
// one string of each text is shared by all runs that hold it, so the list
// of a long history costs little more than its names and times.
class SharedTexts
{
public:
    QString Get(const QString &text)
    {
        if (text.size() > 64)
            return text;
        const auto it = m_texts.constFind(text);
        if (it != m_texts.constEnd())
            return *it;
        m_texts.insert(text);
        return text;
    }

private:
    QSet<QString> m_texts;
};

RunList scan(const QString &path, Index *index)
{
    RunList list;
    SharedTexts shared;
    QVector<qsizetype> firstOf;    // per listed run: the run whose values it reads
    RunSummary *current = nullptr; // the section being read; null before the first
    bool found[WantedCount] = {};
    // at: where the line's text starts in the file, the "[" of a header.
    const auto visit = [&](const Profile::IniLine &line, qint64 at) {
        if (line.kind == Profile::IniLine::Kind::Header) {
            if (current)
                current->length = at - current->offset;
            std::fill(std::begin(found), std::end(found), false);
            current = nullptr;
            if (line.name.isEmpty())
                return; // a section without a name is read by no one
            list.runs.append(RunSummary{});
            current = &list.runs.last();
            current->offset = at;
            current->name = Profile::DecodeBytes(line.name);
            firstOf.append(index->firstByName.Add(current->name, list.runs.size() - 1));
            return;
        }
        if (!current || line.kind != Profile::IniLine::Kind::Key)
            return;
        const int k = wantedIndex(line.name.data(), 0, line.name.size());
        if (k < 0 || found[k])
            return;
        found[k] = true;
        // The Module and its bounds are read whole, as the run stored them.
        const bool whole = wantedKeys[k].field == &RunSummary::Module || wantedKeys[k].field == &RunSummary::From
                           || wantedKeys[k].field == &RunSummary::To;
        const QString value = Profile::DirectValueOf(line.value, whole ? -1 : ProfileFile::DirectValueLimit);
        (*current).*(wantedKeys[k].field) = wantedKeys[k].field == &RunSummary::Time ? value : shared.Get(value);
    };
    qint64 size = 0;
    if (Profile::IsMemoryFile(path)) {
        const QByteArray copy = Profile::MemoryFile(path);
        Profile::ForEachIniLine(copy, [&](const Profile::IniLine &line) {
            visit(line, line.text.data() - copy.constData());
        });
        size = copy.size();
    } else {
        const QFileInfo info(path);
        if (!info.exists())
            return list;
        // One pass through a small buffer: the file is never held whole, so
        // a long history costs no fresh memory for its bytes. (Not mapped: a
        // file that another program shortens meanwhile would bring the
        // program down.)
        list.problem = Profile::ForEachIniLineOfFile(path, visit, &size);
        if (!list.problem.isEmpty()) {
            list.runs.clear();
            return list;
        }
    }
    if (current)
        current->length = size - current->offset;
    // A name given twice reads what its first section holds.
    for (qsizetype r = 0; r < list.runs.size(); ++r) {
        const qsizetype first = firstOf.at(r);
        if (first != r) {
            RunSummary &run = list.runs[r];
            const QString name = run.name;
            run = list.runs.at(first);
            run.name = name;
        }
        const RunSummary &run = list.runs.at(r);
        double k = 0;
        if (!run.Module.isEmpty() && NumberText::ToDouble(run.Koeff, &k))
            index->modules[run.Module].Add(r, k);
    }
    return list;
}

} // namespace

RunList ListRuns(const QString &path)
{
    const FileStamp stamp = StampOf(path);
    Kept *files = kept();
    for (int i = 0; i < KeptFiles; ++i) {
        if (stamp.exists && files[i].path == path && files[i].stamp == stamp) {
            std::rotate(files, files + i, files + i + 1); // the latest first
            return files[0].list;
        }
    }
    for (int i = 0; i < KeptFiles; ++i) {
        if (files[i].path == path)
            files[i] = Kept{};
    }
    Index index;
    RunList list = scan(path, &index);
    // Kept only when the file was there before and after, unchanged.
    if (stamp.exists && list.problem.isEmpty() && StampOf(path) == stamp) {
        std::move_backward(files, files + KeptFiles - 1, files + KeptFiles);
        files[0] = Kept{path, stamp, list, std::move(index)};
    }
    return list;
}

namespace {

// The kept list of a file still as it was listed, or null.
const Kept *keptOf(const QString &path, const FileStamp &stamp)
{
    if (!stamp.exists)
        return nullptr;
    for (const Kept &k : kept()) {
        if (k.path == path && k.stamp == stamp)
            return &k;
    }
    return nullptr;
}

// The run read under `section` in a kept list, or -1.
qsizetype runAt(const Kept &k, const QString &section) { return k.index.firstByName.Find(section); }

} // namespace

QByteArray KeptSectionBytes(const QString &path, const QString &section)
{
    const FileStamp stamp = StampOf(path);
    if (!stamp.exists || Profile::IsMemoryFile(path))
        return QByteArray();
    const Kept *k = keptOf(path, stamp);
    const qsizetype at = k ? runAt(*k, section) : -1;
    if (at < 0)
        return QByteArray();
    const RunSummary &run = k->list.runs.at(at);
    QString reason;
    const int fd = run.offset < 0 ? -1 : Profile::OpenForReading(path, &reason);
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle) || !file.seek(run.offset))
        return QByteArray();
    QByteArray bytes = file.read(run.length);
    // Good only when the file is still the one listed.
    if (bytes.size() != run.length || StampOf(path) != stamp)
        return QByteArray();
    return bytes;
}

namespace {

// Reads a file forward, keeping a window of its bytes in one buffer that
// is reused as the window moves on.
class ForwardReader
{
public:
    explicit ForwardReader(int fd)
        : m_fd(fd)
    {
    }
    ~ForwardReader() { ::close(m_fd); }
    ForwardReader(const ForwardReader &) = delete;
    ForwardReader &operator=(const ForwardReader &) = delete;

    // The bytes [offset, offset + length), offset never before that of the
    // previous call; a null view when the file ends before them.
    QByteArrayView Bytes(qint64 offset, qint64 length)
    {
        const qint64 end = offset + length;
        if (end > m_start + m_held && !fill(offset, end))
            return QByteArrayView();
        return QByteArrayView(m_buffer.constData() + (offset - m_start), qsizetype(length));
    }

private:
    static constexpr qint64 Piece = 256 * 1024;

    bool fill(qint64 offset, qint64 end)
    {
        // What is still ahead moves to the front, the rest is read after it.
        const qint64 keep = std::max<qint64>(0, m_start + m_held - offset);
        if (keep > 0)
            std::memmove(m_buffer.data(), m_buffer.constData() + (offset - m_start), size_t(keep));
        m_start = offset;
        m_held = keep;
        m_buffer.resize(qsizetype(std::max(end - offset, Piece)));
        while (m_held < end - m_start) {
            const ssize_t n =
                ::pread(m_fd, m_buffer.data() + m_held, size_t(m_buffer.size() - m_held), off_t(m_start + m_held));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return false;
            m_held += n;
        }
        return true;
    }

    int m_fd;
    QByteArray m_buffer;
    qint64 m_start = 0; // where the buffer's first byte stands in the file
    qint64 m_held = 0;  // how many bytes of it are the file's
};

} // namespace

bool ForEachKeptSection(const QString &path, const QVector<RunSummary> &runs,
                        const std::function<void(qsizetype, QByteArrayView)> &take)
{
    const FileStamp stamp = StampOf(path);
    if (!stamp.exists || Profile::IsMemoryFile(path))
        return false;
    const Kept *k = keptOf(path, stamp);
    if (!k)
        return false;
    struct Place
    {
        qint64 offset;
        qint64 length;
        qsizetype run;
    };
    std::vector<Place> places;
    places.reserve(size_t(runs.size()));
    // The kept list itself already says where each run is read (a name
    // given twice, at its first section); runs of another list are looked
    // up in it by name.
    const bool kept = runs.constData() == k->list.runs.constData() && runs.size() == k->list.runs.size();
    for (qsizetype i = 0; i < runs.size(); ++i) {
        const qsizetype at = kept ? i : runAt(*k, runs.at(i).name);
        if (at < 0) {
            take(i, QByteArrayView());
            continue;
        }
        const RunSummary &run = k->list.runs.at(at);
        if (run.offset < 0)
            return false;
        places.push_back({run.offset, run.length, i});
    }
    const auto byOffset = [](const Place &a, const Place &b) { return a.offset < b.offset; };
    if (!std::is_sorted(places.begin(), places.end(), byOffset))
        std::stable_sort(places.begin(), places.end(), byOffset);
    QString reason;
    const int fd = Profile::OpenForReading(path, &reason);
    if (fd < 0)
        return false;
    ForwardReader reader(fd);
    for (const Place &place : places) {
        const QByteArrayView bytes = reader.Bytes(place.offset, place.length);
        if (bytes.isNull())
            return false;
        take(place.run, bytes);
    }
    return StampOf(path) == stamp;
}

void ForgetRuns()
{
    for (Kept &k : kept())
        k = Kept{};
}

Standing StandingIn(const QString &path, const QString &section)
{
    const RunList list = ListRuns(path);
    const Kept *k = keptOf(path, StampOf(path));
    if (!k || k->list.runs.constData() != list.runs.constData())
        return StandingOf(list.runs, section);
    Standing standing;
    const qsizetype at = runAt(*k, section);
    if (at < 0)
        return standing;
    standing.found = true;
    standing.run = list.runs.at(at);
    standing.scored = NumberText::ToDouble(standing.run.Koeff, &standing.koeff);
    if (standing.run.Module.isEmpty())
        return standing;
    const auto it = k->index.modules.constFind(standing.run.Module);
    if (it == k->index.modules.constEnd())
        return standing;
    const ModuleRuns &m = *it;
    const qsizetype before = std::lower_bound(m.at.cbegin(), m.at.cend(), at) - m.at.cbegin();
    if (before > 0) {
        standing.hasPrevious = true;
        standing.previous = m.koeff.at(before - 1);
    }
    // The best of the others: the second best when the run is the best.
    const bool self = m.bestAt == at;
    if (!self || m.secondAt >= 0) {
        standing.hasBest = true;
        standing.best = self ? m.second : m.best;
    }
    return standing;
}

} // namespace ResultsStore
