// The list of stored runs against direct reads of the same bytes: one run
// per section with a name, in file order, and for each the values that
// direct access reads under its name. A run's bytes start at the "[" of
// its header and end where the next header starts, and hold that header
// alone; a name given twice (letter case aside) reads its first section,
// so its later runs have the bytes of the first.
//
// The input is a results file. The values are compared for the first two
// runs and the last two (all would take the time of as many direct reads).

#include "fuzz/reference.h"
#include "profile/bytetext.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QHash>

#include <algorithm>

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
        const QString read = direct.ReadText(run.name, QString::fromLatin1(key.name), Unset);
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
    return 0;
}
