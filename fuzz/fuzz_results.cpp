// Reopening a stored run from whatever its section holds: never a crash,
// never more rows than "Res" or "Answ" can fill, the row count "Total"
// asks for within that (at least one row), each part in its row with its
// number, and 0 and the empty text for what is missing.
//
// The input is a results file; its first two sections and its last are
// reopened (each reopen reads the whole file), and one that is not there.

#include "fuzz/reference.h"
#include "profile/memoryfiles.h"
#include "profile/profilefile.h"
#include "results/resultsstore.h"

#include <algorithm>

namespace {

void checkRun(const QString &path, const ProfileFile &memory, const QString &section)
{
    const ResultsStore::StoredRun run = ResultsStore::Read(path, section);
    const QString res = memory.ReadText(section, QStringLiteral("Res"), QString());
    const QString answ = memory.ReadText(section, QStringLiteral("Answ"), QString());
    const qint32 total = Reference::Number(memory.ReadText(section, QStringLiteral("Total"), QString())).value_or(0);
    const qint32 errors = Reference::Number(memory.ReadText(section, QStringLiteral("Errors"), QString())).value_or(0);
    const QStringList resParts = Reference::AllParts(res);
    const QStringList answParts = Reference::AllParts(answ);

    const qsizetype reach = std::max(resParts.size(), answParts.size());
    const qsizetype rows = run.sheet.RowCount();
    FUZZ_CHECK(rows >= 1);
    FUZZ_CHECK(rows <= reach);
    FUZZ_CHECK(rows == std::max<qsizetype>(1, std::min<qsizetype>(total, reach)));

    // Part k goes to row k; the last part only when it is not empty.
    const auto partFor = [](const QStringList &parts, qsizetype row) -> std::optional<QString> {
        if (row >= parts.size() || (row == parts.size() - 1 && parts[row].isEmpty()))
            return std::nullopt;
        return parts[row];
    };
    for (qsizetype r = 0; r < rows; ++r) {
        const std::optional<QString> text = partFor(resParts, r);
        const std::optional<QString> answer = partFor(answParts, r);
        FUZZ_CHECK(run.sheet.Cell(AnswerSheet::Text, int(r)) == text.value_or(QString()));
        FUZZ_CHECK(run.sheet.Cell(AnswerSheet::Answer, int(r)) == answer.value_or(QString()));
        const QString number = text || answer ? QString::number(r + 1) : QString();
        FUZZ_CHECK(run.sheet.Cell(AnswerSheet::Number, int(r)) == number);
    }
    FUZZ_CHECK(run.sheet.Cell(AnswerSheet::Text, int(rows)).isEmpty());

    FUZZ_CHECK(run.report.Total == QString::number(total));
    FUZZ_CHECK(run.report.Errors == QString::number(errors));
    FUZZ_CHECK(run.report.Right == QString::number(qint64(total) - qint64(errors)));
    FUZZ_CHECK(run.report.Time == memory.ReadText(section, QStringLiteral("Time"), QString()));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString path = QStringLiteral("memory:/testres.ini");
    Profile::SetMemoryFile(path, bytes);
    {
        const ProfileFile memory(path, ProfileFile::Access::InMemory);
        QStringList names;
        memory.ListSections(names);
        for (qsizetype i = 0; i < names.size(); i = i < 1 ? i + 1 : std::max(i + 1, names.size() - 1))
            checkRun(path, memory, names[i]);
        checkRun(path, memory, QStringLiteral("01.01.2000 00:00:01"));
    }
    Profile::RemoveMemoryFiles();
    return 0;
}
