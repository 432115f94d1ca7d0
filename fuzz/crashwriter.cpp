// The writer that scripts/crashtest kills: the program's own results
// writes on a results file.
//
//   tenacio_crashwriter make FILE RUNS   a results file of RUNS stored runs
//   tenacio_crashwriter save FILE KOEFF  the last run saved again with that Koeff
//   tenacio_crashwriter loop FILE        saves and direct writes of the last
//                                        run's Koeff, "1,00" and "2,00" in turn,
//                                        until killed
//
// Every write leaves the file as one of two contents, the last run with
// Koeff "1,00" or with "2,00", whichever kind of access made it.

#include "platform/platform.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"
#include "results/resultsstore.h"

#include <QString>

#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Elements = 100;

QString runName(int run)
{
    return QStringLiteral("%1.%2.2026 %3:%4:%5")
        .arg(run % 28 + 1, 2, 10, QLatin1Char('0'))
        .arg(run / 28 % 12 + 1, 2, 10, QLatin1Char('0'))
        .arg(run / 3600 % 24, 2, 10, QLatin1Char('0'))
        .arg(run / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(run % 60, 2, 10, QLatin1Char('0'));
}

AnswerSheet sheetOf(int run)
{
    AnswerSheet sheet;
    sheet.SetRowCount(Elements);
    for (int r = 0; r < Elements; ++r) {
        const QString text = QString::number((run * 31 + r * 17) % 1000);
        sheet.SetCell(AnswerSheet::Number, r, QString::number(r + 1));
        sheet.SetCell(AnswerSheet::Text, r, text);
        sheet.SetCell(AnswerSheet::Answer, r, r % 9 == 0 ? QStringLiteral("?") : text);
    }
    return sheet;
}

RunReport reportOf(const QString &koeff)
{
    return RunReport{QString::number(Elements),
                     QStringLiteral("88"),
                     QStringLiteral("12"),
                     QStringLiteral("0:5:40  Average time for each number: 3,4 sec."),
                     koeff,
                     QStringLiteral("4")};
}

int usage()
{
    std::fputs("usage: tenacio_crashwriter make FILE RUNS | save FILE KOEFF | loop FILE\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char **argv)
{
    if (argc < 3)
        return usage();
    const QString mode = QString::fromLocal8Bit(argv[1]);
    const QString path = QString::fromLocal8Bit(argv[2]);
    try {
        if (mode == QLatin1String("make") && argc == 4) {
            const int runs = std::atoi(argv[3]);
            ProfileFile file(path, ProfileFile::Access::InMemory);
            for (int run = 0; run < runs; ++run) {
                const QString section = runName(run);
                const RunReport report = reportOf(QStringLiteral("1,00"));
                const AnswerSheet sheet = sheetOf(run);
                file.WriteText(section, ResultsStore::TotalKey, report.Total);
                file.WriteText(section, ResultsStore::ErrorsKey, report.Errors);
                file.WriteText(section, ResultsStore::TimeKey, report.Time);
                file.WriteText(section, ResultsStore::MarkKey, report.Mark);
                file.WriteText(section, ResultsStore::KoeffKey, report.Koeff);
                file.WriteText(section, ResultsStore::ResKey,
                               ResultsStore::JoinColumn(sheet, AnswerSheet::Text, Elements));
                file.WriteText(section, ResultsStore::AnswKey,
                               ResultsStore::JoinColumn(sheet, AnswerSheet::Answer, Elements));
            }
            file.WriteBack();
            return 0;
        }
        QStringList names;
        ProfileFile(path, ProfileFile::Access::InMemory).ListSections(names);
        if (names.isEmpty())
            return usage();
        const QString last = names.last();
        // The last run's Koeff set again under the lock, as a save does:
        // the whole file loaded, changed and written back.
        const auto rewrite = [&](const QString &koeff) {
            const Profile::FileLock lock(path);
            ProfileFile file(path, ProfileFile::Access::InMemory);
            file.WriteText(last, ResultsStore::KoeffKey, koeff);
            file.WriteBack();
        };
        if (mode == QLatin1String("save") && argc == 4) {
            rewrite(QString::fromLocal8Bit(argv[3]));
            return 0;
        }
        if (mode == QLatin1String("loop") && argc == 3) {
            for (unsigned i = 0;; ++i) {
                const QString koeff = i % 2 ? QStringLiteral("1,00") : QStringLiteral("2,00");
                if (i / 2 % 2)
                    rewrite(koeff);
                else
                    ProfileFile(path, ProfileFile::Access::Direct).WriteText(last, ResultsStore::KoeffKey, koeff);
            }
        }
    } catch (const AppError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.Text()));
        return 1;
    }
    return usage();
}
