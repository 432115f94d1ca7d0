// INI access on a results file of 3,000 runs of 1,000 Elements (about 18 MB):
// one full parse of the file by direct access, the floor of any read of it
// (read whole, lines counted), a history reload as the program does it (the
// file listed afresh, its newest 100 runs shown), and QSettings loading the
// same file.

#include "app/history.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QCoreApplication>
#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdlib>

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

// The floor of any read of the file: its bytes read and their lines counted.
void BM_ReadCountLines(benchmark::State &state)
{
    for (auto _ : state) {
        QByteArray bytes;
        if (!Profile::ReadWholeFile(g_path, &bytes).isEmpty())
            std::abort();
        benchmark::DoNotOptimize(bytes.count('\n'));
    }
}

// A reload of the history as the program does it: the file listed afresh
// (nothing kept from the iteration before), its newest 100 runs shown.
void BM_HistoryReload(benchmark::State &state)
{
    for (auto _ : state) {
        ResultsStore::ForgetRuns();
        const History::Listing listing = History::Read(g_path);
        if (listing.rows.size() != History::MaxRows)
            state.SkipWithError("the newest runs were not listed");
        benchmark::DoNotOptimize(listing.rows.size());
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
BENCHMARK(BM_ReadCountLines)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_HistoryReload)->Unit(benchmark::kMillisecond)->MinTime(1.0);
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
    bool ok = reporter.ratio("history reload / read + count lines", "BM_HistoryReload/min_time:1.000",
                             "BM_ReadCountLines/min_time:1.000", 2.0);
    ok = reporter.ratio("one direct parse / QSettings load", "BM_DirectParse/min_time:1.000",
                        "BM_QSettingsLoad/iterations:3", 1.0 / 6.0) && ok;
    return ok ? 0 : 1;
}
