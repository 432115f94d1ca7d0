#include "results/storedsheets.h"

#include "platform/platform.h"
#include "profile/bytetext.h"
#include "profile/fileaccess.h"
#include "profile/inicopy.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"
#include "profile/sectiontable.h"
#include "results/resultsstore.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace ResultsStore {
namespace {

// A key's value as in-memory reads give it: what follows the first "="
// of the first line whose name matches, letter case aside.
std::optional<QStringView> valueOf(const QVector<QString> &lines, QLatin1String key)
{
    for (const QString &line : lines) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq >= 0 && QStringView(line).left(eq).compare(key, Qt::CaseInsensitive) == 0)
            return QStringView(line).mid(eq + 1);
    }
    return std::nullopt;
}

} // namespace

StoredSheets::StoredSheets(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return;
    QFile file(path);
    if (info.isDir() || !file.open(QIODevice::ReadOnly)) {
        const QString reason =
            info.isDir() ? QCoreApplication::translate("Files", "Is a directory") : file.errorString();
        throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
    }
    m_bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw AppError(
            QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, file.errorString()));
    // The names now, a run's lines when it is asked for: the runs of a
    // long history are not all held decoded at once.
    m_copy = Profile::LoadSections(m_bytes, &m_bodies);
    m_first.reserve(m_copy.sections.size());
    for (int s = 0; s < m_copy.sections.size(); ++s) {
        const QString folded = Profile::FoldedName(m_copy.sections.at(s).name);
        if (!m_first.contains(folded))
            m_first.insert(folded, s);
    }
}

namespace {

// Whether a key's stored name is `key`, as valueOf compares it: a name of
// ASCII bytes is compared as ASCII, any other decoded (a long s folds to
// "s", for one).
bool nameIs(QByteArrayView name, QLatin1String key)
{
    for (const char c : name) {
        if (static_cast<unsigned char>(c) >= 0x80)
            return Profile::DecodeBytes(name).compare(key, Qt::CaseInsensitive) == 0;
    }
    return name.size() == key.size() && qstrnicmp(name.data(), name.size(), key.data(), key.size()) == 0;
}

// The values of a run's keys that make its sheet; none when missing.
struct Keys
{
    std::optional<QString> total;
    std::optional<QString> res;
    std::optional<QString> answ;
};

Keys keysOf(QByteArrayView body)
{
    Keys keys;
    if (body.startsWith(Profile::Utf8Bom)) {
        // Line by line reading would pass over these bytes: the section's
        // lines decoded, as they are read everywhere else.
        QVector<QString> lines;
        Profile::DecodeSectionLines(body, lines);
        const auto take = [&lines](QLatin1String key, std::optional<QString> &to) {
            if (const auto value = valueOf(lines, key))
                to = value->toString();
        };
        take(TotalKey, keys.total);
        take(ResKey, keys.res);
        take(AnswKey, keys.answ);
        return keys;
    }
    // Only the three keys are decoded; each counts where it first stands.
    Profile::ForEachIniLine(body, [&keys](const Profile::IniLine &line) {
        if (line.kind != Profile::IniLine::Kind::Key)
            return;
        for (auto [key, to] :
             {std::pair{TotalKey, &keys.total}, std::pair{ResKey, &keys.res}, std::pair{AnswKey, &keys.answ}}) {
            if (!*to && nameIs(line.name, key)) {
                *to = Profile::DecodeBytes(line.value);
                return;
            }
        }
    });
    return keys;
}

// Splits a run's lists into the rows of its sheet, as SheetOf makes them,
// into views of the keys' texts; the lists are kept for the next run.
class ColumnSplitter
{
public:
    // A run the file does not hold: one empty row.
    SheetColumns None()
    {
        m_elements.assign(1, QStringView());
        m_answers.assign(1, QStringView());
        return {m_elements, m_answers};
    }

    SheetColumns Split(const Keys &found)
    {
        return Split(found.total ? StoredCount(*found.total) : 0, found.res ? QStringView(*found.res) : QStringView(),
                     found.answ ? QStringView(*found.answ) : QStringView());
    }

    SheetColumns Split(qint32 total, QStringView res, QStringView answ)
    {
        // As many rows as SheetOf makes, each part of a list in its row.
        const int rows = std::max(1, std::min(total, std::max(PartCount(res), PartCount(answ))));
        splitInto(res, rows, m_elements);
        splitInto(answ, rows, m_answers);
        return {m_elements, m_answers};
    }

private:
    static void splitInto(QStringView text, int rows, std::vector<QStringView> &out)
    {
        out.clear();
        for (const QStringView part : text.tokenize(QLatin1Char(','))) {
            if (int(out.size()) == rows)
                break;
            out.push_back(part);
        }
        out.resize(size_t(rows));
    }

    std::vector<QStringView> m_elements;
    std::vector<QStringView> m_answers;
};

// The lines of a section after its header line, from the section's bytes.
QByteArrayView bodyOf(QByteArrayView section)
{
    Profile::LineSpan header;
    Profile::NextLine(section.data(), section.size(), 0, true, &header);
    return section.sliced(std::min(header.next, section.size()));
}

} // namespace

StoredSheets::Lists StoredSheets::ListsOf(const QString &section) const
{
    const auto it = m_first.constFind(Profile::FoldedName(section));
    ColumnSplitter splitter;
    const Keys found = it == m_first.constEnd() ? Keys() : keysOf(m_bodies.at(it.value()));
    const SheetColumns columns = it == m_first.constEnd() ? splitter.None() : splitter.Split(found);
    Lists lists;
    for (const QStringView text : columns.elements)
        lists.elements.append(text.toString());
    for (const QStringView text : columns.answers)
        lists.answers.append(text.toString());
    return lists;
}

AnswerSheet StoredSheets::Sheet(const QString &section) const
{
    const auto it = m_first.constFind(Profile::FoldedName(section));
    if (it == m_first.constEnd())
        return AnswerSheet();
    const Keys found = keysOf(m_bodies.at(it.value()));
    const qint32 total = found.total ? StoredCount(*found.total) : 0;
    return SheetOf(found.res ? QStringView(*found.res) : QStringView(),
                   found.answ ? QStringView(*found.answ) : QStringView(), total);
}

void ForEachSheet(const QString &path, const QVector<RunSummary> &runs,
                  const std::function<void(qsizetype, const SheetColumns &)> &take,
                  const std::function<bool(qsizetype)> &wanted)
{
    ColumnSplitter splitter;
    const bool read = ForEachKeptSection(path, runs, [&](qsizetype i, QByteArrayView section) {
        if (wanted && !wanted(i))
            return;
        take(i, section.isNull() ? splitter.None() : splitter.Split(keysOf(bodyOf(section))));
    });
    if (read)
        return;
    const StoredSheets sheets(path);
    for (qsizetype i = 0; i < runs.size(); ++i) {
        if (wanted && !wanted(i))
            continue;
        const auto it = sheets.m_first.constFind(Profile::FoldedName(runs.at(i).name));
        take(i, it == sheets.m_first.constEnd() ? splitter.None() : splitter.Split(keysOf(sheets.m_bodies.at(*it))));
    }
}

namespace {

// A value's text in a buffer kept from run to run: ASCII is widened in
// place, anything else decoded as every reader decodes it.
void textOf(QByteArrayView bytes, QString &out)
{
    for (const char c : bytes) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            out = Profile::DecodeBytes(bytes);
            return;
        }
    }
    out.resize(bytes.size());
    char16_t *to = reinterpret_cast<char16_t *>(out.data());
    for (const char c : bytes)
        *to++ = char16_t(c);
}

// The raw bytes of the keys a run is read by, kept from line to line of
// its section.
struct RawKey
{
    QLatin1String key;
    bool found = false;
    std::string bytes;
};

struct StringHash
{
    using is_transparent = void;
    size_t operator()(std::string_view s) const { return std::hash<std::string_view>()(s); }
};

} // namespace

bool ForEachRunSheet(const QString &path, const std::function<bool(const QString &module)> &wanted,
                     const std::function<void(const RunSheet &)> &take)
{
    Profile::FirstSections firstByName;
    qsizetype count = 0;
    bool open = false;      // in a section with a name
    bool firstLine = false; // the next line is the first of its section's lines
    bool odd = false;
    RunSheet run;
    RawKey keys[] = {{ModuleKey, false, {}}, {TotalKey, false, {}}, {ResKey, false, {}}, {AnswKey, false, {}}};
    // Module texts as stored, with their decoded name and whether wanted:
    // a long history names few Modules many times.
    struct ModuleOf
    {
        QString name;
        bool wanted;
    };
    std::unordered_map<std::string, ModuleOf, StringHash, std::equal_to<>> modules;
    ColumnSplitter splitter;
    QString total, res, answ;
    SheetColumns columns;
    const auto finish = [&] {
        if (!open)
            return;
        open = false;
        run.columns = nullptr;
        run.module.clear();
        if (run.first == run.run && keys[0].found) {
            auto it = modules.find(std::string_view(keys[0].bytes));
            if (it == modules.end()) {
                const QString name =
                    Profile::DirectValueOf(QByteArrayView(keys[0].bytes.data(), qsizetype(keys[0].bytes.size())), -1);
                it = modules.emplace(keys[0].bytes, ModuleOf{name, !name.isEmpty() && wanted(name)}).first;
            }
            run.module = it->second.name;
            if (it->second.wanted) {
                const auto view = [](const RawKey &k) {
                    return QByteArrayView(k.bytes.data(), qsizetype(k.bytes.size()));
                };
                textOf(view(keys[1]), total);
                textOf(view(keys[2]), res);
                textOf(view(keys[3]), answ);
                // A key the run was stored without reads as ForEachSheet reads it.
                columns = splitter.Split(keys[1].found ? StoredCount(total) : 0,
                                         keys[2].found ? QStringView(res) : QStringView(),
                                         keys[3].found ? QStringView(answ) : QStringView());
                run.columns = &columns;
            }
        }
        take(run);
    };
    const auto visit = [&](const Profile::IniLine &line, qint64) {
        if (odd)
            return;
        if (line.kind == Profile::IniLine::Kind::Header) {
            finish();
            if (line.name.isEmpty())
                return; // a section without a name is read by no one
            run.name = Profile::DecodeBytes(line.name);
            run.run = count++;
            run.first = firstByName.Add(run.name, run.run);
            for (RawKey &k : keys)
                k.found = false;
            open = true;
            firstLine = true;
            return;
        }
        if (!open)
            return;
        if (firstLine) {
            firstLine = false;
            // ForEachSheet reads such a section's lines decoded whole.
            if (line.text.startsWith(Profile::Utf8Bom) && run.first == run.run) {
                odd = true;
                return;
            }
        }
        if (line.kind != Profile::IniLine::Kind::Key || run.first != run.run)
            return;
        for (RawKey &k : keys) {
            if (!k.found && nameIs(line.name, k.key)) {
                k.found = true;
                k.bytes.assign(line.value.data(), size_t(line.value.size()));
                return;
            }
        }
    };
    if (Profile::IsMemoryFile(path)) {
        const QByteArray copy = Profile::MemoryFile(path);
        Profile::ForEachIniLine(copy, [&](const Profile::IniLine &line) { visit(line, 0); });
    } else {
        if (!QFileInfo::exists(path))
            return true;
        qint64 size = 0;
        const QString reason = Profile::ForEachIniLineOfFile(path, visit, &size);
        if (!reason.isEmpty())
            throw AppError(QCoreApplication::translate("Files", "Cannot open file \"%1\". %2").arg(path, reason));
    }
    if (odd)
        return false;
    finish();
    return true;
}

} // namespace ResultsStore
