// The list of stored runs against direct reads of the same bytes: one run
// per section with a name, in file order, and for each the values that
// direct access reads under its name. A run's bytes start at the "[" of
// its header and end where the next header starts, and hold that header
// alone; a name given twice (letter case aside) reads its first section,
// so its later runs have the bytes of the first.
//
// The input is a results file. The values are compared for the first two
// runs and the last two (all would take the time of as many direct reads).
// The lines a file is listed from are also read in small pieces, as a
// file is read, and compared with those of the input held whole. And, as
// the export reads them, the sheet of each run read at the place the list
// of a real file gives against the sheet a load of the whole file finds,
// and each run's Module and sheet read in one pass against both.

#include "fuzz/reference.h"
#include "profile/bytetext.h"
#include "profile/iniline.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"
#include "results/storedsheets.h"

#include <QFile>
#include <QHash>
#include <QTemporaryDir>

#include <algorithm>
#include <cstring>

namespace {

const QString Unset = QStringLiteral("\n"); // no stored value holds a line break

struct Key
{
    const char *name;
    QString ResultsStore::RunSummary::*field;
};
const Key Keys[] = {
    {"Total", &ResultsStore::RunSummary::Total}, {"Errors", &ResultsStore::RunSummary::Errors},
    {"Time", &ResultsStore::RunSummary::Time},   {"Mark", &ResultsStore::RunSummary::Mark},
    {"Koeff", &ResultsStore::RunSummary::Koeff}, {"Module", &ResultsStore::RunSummary::Module},
    {"From", &ResultsStore::RunSummary::From},   {"To", &ResultsStore::RunSummary::To},
};

void checkValues(const ProfileFile &direct, const ResultsStore::RunSummary &run)
{
    for (const Key &key : Keys) {
        // The Module and its bounds are read whole.
        const bool whole = key.field == &ResultsStore::RunSummary::Module
                           || key.field == &ResultsStore::RunSummary::From
                           || key.field == &ResultsStore::RunSummary::To;
        const QString name = QString::fromLatin1(key.name);
        const QString read =
            whole ? direct.ReadWholeText(run.name, name, Unset) : direct.ReadText(run.name, name, Unset);
        FUZZ_CHECK(run.*(key.field) == (read == Unset ? QString() : read));
    }
}

// A run's bytes: its header, the lines up to the next one, and no other
// header.
void checkBytes(const QByteArray &bytes, const ResultsStore::RunSummary &run)
{
    FUZZ_CHECK(run.offset >= 0 && run.length > 0 && run.offset + run.length <= bytes.size());
    const QByteArrayView own = QByteArrayView(bytes).sliced(run.offset, run.length);
    FUZZ_CHECK(own.front() == '[');
    const Reference::File file = Reference::Load(own);
    FUZZ_CHECK(file.sections.size() == 1);
    FUZZ_CHECK(Profile::DecodeBytes(file.sections.front().name) == run.name);
}

// The lines of the bytes read in pieces (small ones here, of a size and
// in reads of sizes that vary with the input) against the bytes held
// whole: the same lines, each at the same place.
struct SeenLine
{
    Profile::IniLine::Kind kind;
    QByteArray text;
    QByteArray name;
    QByteArray value;
    qsizetype equals;
    qint64 at;
    bool operator==(const SeenLine &) const = default;
};

SeenLine seen(const Profile::IniLine &line, qint64 at)
{
    return SeenLine{line.kind, line.text.toByteArray(), line.name.toByteArray(), line.value.toByteArray(), line.equals,
                    at};
}

void checkPieces(const QByteArray &bytes)
{
    QVector<SeenLine> whole;
    Profile::ForEachIniLine(bytes, [&](const Profile::IniLine &line) {
        whole.append(seen(line, line.text.data() - bytes.constData()));
    });
    quint32 state = quint32(qHash(bytes, 0));
    const auto next = [&](quint32 range) {
        state = state * 1103515245u + 12345u;
        return (state >> 8) % range;
    };
    const qsizetype piece = 3 + next(14);
    qint64 given = 0;
    const Profile::ReadBytes read = [&](char *to, qint64 room) -> qint64 {
        const qint64 n = std::min<qint64>({room, bytes.size() - given, qint64(1 + next(9))});
        std::memcpy(to, bytes.constData() + given, size_t(n));
        given += n;
        return n;
    };
    QVector<SeenLine> pieces;
    const qint64 size = Profile::ForEachIniLineRead(
        read, [&](const Profile::IniLine &line, qint64 at) { pieces.append(seen(line, at)); }, piece);
    FUZZ_CHECK(size == bytes.size());
    FUZZ_CHECK(pieces == whole);
}

void checkSheets(const QByteArray &bytes)
{
    static QTemporaryDir dir;
    const QString path = dir.path() + QStringLiteral("/examres.ini");
    {
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size());
    }
    ResultsStore::ForgetRuns();
    const QVector<ResultsStore::RunSummary> runs = ResultsStore::ListRuns(path).runs;
    FUZZ_CHECK(ResultsStore::ForEachKeptSection(path, runs, [](qsizetype, QByteArrayView) {}));
    const ResultsStore::StoredSheets loaded(path);
    QVector<int> given(runs.size());
    ResultsStore::ForEachSheet(path, runs, [&](qsizetype i, const ResultsStore::SheetColumns &sheet) {
        FUZZ_CHECK(i >= 0 && i < runs.size() && ++given[i] == 1); // the file stays as listed: once each
        const ResultsStore::StoredSheets::Lists lists = loaded.ListsOf(runs.at(i).name);
        FUZZ_CHECK(lists.elements.size() == qsizetype(sheet.elements.size()));
        FUZZ_CHECK(lists.answers.size() == qsizetype(sheet.answers.size()));
        for (qsizetype r = 0; r < lists.elements.size(); ++r) {
            FUZZ_CHECK(lists.elements[r] == sheet.elements[size_t(r)]);
            FUZZ_CHECK(lists.answers[r] == sheet.answers[size_t(r)]);
        }
    });
    FUZZ_CHECK(!given.contains(0));
    // One pass over the runs, as the schedule of kept Modules reads them:
    // the names, Modules and sheets of the list and the sheets above.
    QVector<QStringList> sheets(runs.size());
    ResultsStore::ForEachSheet(path, runs, [&](qsizetype i, const ResultsStore::SheetColumns &sheet) {
        if (runs.at(i).Module.isEmpty())
            return;
        for (size_t r = 0; r < sheet.elements.size(); ++r)
            sheets[i] << sheet.elements[r].toString() << sheet.answers[r].toString();
    });
    qsizetype passed = 0;
    const bool read = ResultsStore::ForEachRunSheet(
        path, [](const QString &) { return true; },
        [&](const ResultsStore::RunSheet &run) {
            FUZZ_CHECK(run.run == passed++ && run.run < runs.size() && run.first <= run.run);
            FUZZ_CHECK(run.name == runs.at(run.run).name);
            if (run.first != run.run) {
                FUZZ_CHECK(runs.at(run.first).offset == runs.at(run.run).offset);
                return;
            }
            FUZZ_CHECK(run.module == runs.at(run.run).Module);
            FUZZ_CHECK((run.columns != nullptr) == !run.module.isEmpty());
            if (!run.columns)
                return;
            QStringList texts;
            for (size_t r = 0; r < run.columns->elements.size(); ++r)
                texts << run.columns->elements[r].toString() << run.columns->answers[r].toString();
            FUZZ_CHECK(texts == sheets.at(run.run));
        });
    FUZZ_CHECK(!read || passed == runs.size());
    ResultsStore::ForgetRuns();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("memory:/testres.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        const ResultsStore::RunList list = ResultsStore::ListRuns(path);
        FUZZ_CHECK(list.problem.isEmpty());
        const Profile::Copy copy = Profile::LoadCopy(bytes);
        QStringList names;
        for (const Profile::CopySection &section : copy.sections) {
            if (!section.name.isEmpty())
                names.append(section.name);
        }
        const qsizetype runs = list.runs.size();
        FUZZ_CHECK(runs == names.size());
        const ProfileFile direct(path, ProfileFile::Access::Direct);
        QHash<QString, qsizetype> firstOf; // folded name -> its first run
        qint64 end = 0;
        bool lastIsFirst = false;
        for (qsizetype r = 0; r < runs; ++r) {
            const ResultsStore::RunSummary &run = list.runs[r];
            FUZZ_CHECK(run.name == names[r]);
            const QString folded = Profile::FoldedName(run.name);
            const auto first = firstOf.constFind(folded);
            lastIsFirst = first == firstOf.constEnd();
            if (lastIsFirst) {
                firstOf.insert(folded, r);
                FUZZ_CHECK(run.offset >= end); // in file order, apart
                end = run.offset + run.length;
                checkBytes(bytes, run);
            } else {
                const ResultsStore::RunSummary &earlier = list.runs[*first];
                FUZZ_CHECK(run.offset == earlier.offset && run.length == earlier.length);
            }
            if (r < 2 || r >= runs - 2)
                checkValues(direct, run);
        }
        // The last section, when it is a run's own, reaches the end of the file.
        if (!copy.sections.isEmpty() && !copy.sections.last().name.isEmpty() && lastIsFirst)
            FUZZ_CHECK(end == bytes.size());
    }
    Profile::RemoveMemoryFiles();
    checkPieces(bytes);
    checkSheets(bytes);
    return 0;
}
