// What is due today, from a Training results file of 100,000 runs of 20
// Elements over 1,000 kept Modules (about 25 MB), against the history's
// listing of the same file: both from a cold read, each iteration reading
// the file afresh.

#include "app/history.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "library/keepfile.h"
#include "platform/platform.h"
#include "profile/profilefile.h"
#include "results/keeping.h"
#include "results/storedruns.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <cstdlib>

namespace {

constexpr int Runs = 100000;
constexpr int Kept = 1000;
constexpr int Elements = 20;

QString g_path;
QVector<KeepFile::Kept> g_kept;
QStringList g_library;

void coldCaches()
{
    Profile::ClearDirectCache();
    ResultsStore::ForgetRuns();
}

void BM_HistoryListing(benchmark::State &state)
{
    qsizetype rows = 0;
    for (auto _ : state) {
        coldCaches();
        rows = History::Read(g_path).rows.size();
    }
    if (rows != History::MaxRows)
        state.SkipWithError("the history listed the wrong number of runs");
}

void BM_DueToday(benchmark::State &state)
{
    const QDate today(2026, 1, 3);
    qsizetype counted = 0, due = 0;
    for (auto _ : state) {
        coldCaches();
        const QVector<Keeping::KeptModule> plan = Keeping::Plan(g_kept, g_library, {g_path}, 90, today);
        due = Keeping::DueToday(plan, today).size();
        counted = 0;
        for (const Keeping::KeptModule &m : plan)
            counted += m.runs.size();
    }
    // Every run is counted; all of them were made on one day and hold.
    if (counted != Runs || due != 0)
        state.SkipWithError("the plan did not count every run");
}

BENCHMARK(BM_HistoryListing)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_DueToday)->Unit(benchmark::kMillisecond)->Repetitions(5);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    // The bench's run names are written as this locale writes them.
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QTemporaryDir dir;
    Platform::SetDataDir(dir.path());
    g_path = Platform::DataFile(QLatin1String(Platform::TrainingResultsFile));
    BenchData::WriteFile(g_path, BenchData::ResultsFile(Runs, Elements, Kept));
    for (int m = 0; m < Kept; ++m) {
        g_kept.append(KeepFile::Kept{BenchData::ModuleName(m), true});
        g_library.append(BenchData::ModuleName(m));
    }
    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    const bool ok = reporter.Ratio("due today / history listing, 100,000 runs", "BM_DueToday/repeats:5",
                                   "BM_HistoryListing/repeats:5", 1.2);
    return ok ? 0 : 1;
}
