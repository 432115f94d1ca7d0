// INI access on a results file of 3,000 runs of 1,000 Elements (about 18 MB):
// one full parse of the file by direct access, the 201 reads of a history
// reload (from a cold cache, so the parse is included), and QSettings loading
// the same file.

#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "profile/profilefile.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

namespace {

QString g_path;

// One full parse: direct access reads and indexes the file only as far as
// a call needs, so look for a section that is not there.
void BM_DirectParse(benchmark::State &state)
{
    for (auto _ : state) {
        Profile::ClearDirectCache();
        ProfileFile file(g_path, ProfileFile::Access::Direct);
        benchmark::DoNotOptimize(file.ReadText(QStringLiteral("absent"), QStringLiteral("Koeff"), QString()));
    }
}

void BM_HistoryReads201(benchmark::State &state)
{
    for (auto _ : state) {
        Profile::ClearDirectCache();
        ProfileFile file(g_path, ProfileFile::Access::Direct);
        QStringList names;
        file.ListSections(names);
        qsizetype total = 0;
        for (int i = 0; i < 100; ++i) {
            total += file.ReadText(names.at(i), QStringLiteral("Koeff"), QString()).size();
            total += file.ReadText(names.at(i), QStringLiteral("Mark"), QString()).size();
        }
        benchmark::DoNotOptimize(total);
    }
}

void BM_QSettingsLoad(benchmark::State &state)
{
    for (auto _ : state) {
        QSettings settings(g_path, QSettings::IniFormat);
        benchmark::DoNotOptimize(settings.childGroups().size());
    }
}

void BM_InMemoryLoad(benchmark::State &state)
{
    for (auto _ : state) {
        ProfileFile file(g_path, ProfileFile::Access::InMemory);
        QStringList names;
        file.ListSections(names);
        benchmark::DoNotOptimize(names.size());
    }
}

} // namespace

BENCHMARK(BM_DirectParse)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_HistoryReads201)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_QSettingsLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InMemoryLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_path = dir.filePath(QStringLiteral("examres.ini"));
    const QByteArray data = BenchData::ResultsFile(3000, 1000);
    BenchData::WriteFile(g_path, data);
    std::printf("results file: %.1f MB, 3000 runs of 1000 Elements\n", double(data.size()) / 1e6);

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.ratio("201 reads of a reload / one direct parse", "BM_HistoryReads201/min_time:1.000",
                             "BM_DirectParse/min_time:1.000", 2.0);
    ok = reporter.ratio("one direct parse / QSettings load", "BM_DirectParse/min_time:1.000",
                        "BM_QSettingsLoad/iterations:3", 1.0 / 6.0) && ok;
    return ok ? 0 : 1;
}
