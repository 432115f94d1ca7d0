// Deleting stored runs from a results file of 50,000 runs of 40 Elements
// (about 15 MB, a history of years): Delete All of every run against the
// Delete of one run, each from a cold parse of the file as the history's
// buttons do it. Delete All rewrites the file once, so it costs about what
// one Delete costs, not one rewrite (and two syncs) a run.

#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "platform/platform.h"
#include "profile/profilefile.h"

#include <QCoreApplication>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

namespace {

constexpr int Runs = 50000;
QByteArray g_original;
QString g_path;
QStringList g_names;

void restore(benchmark::State &state)
{
    state.PauseTiming();
    BenchData::WriteFile(g_path, g_original);
    Profile::ClearDirectCache();
    state.ResumeTiming();
}

void BM_DeleteOne(benchmark::State &state)
{
    for (auto _ : state) {
        restore(state);
        ProfileFile(g_path, ProfileFile::Access::Direct).DeleteSection(BenchData::RunName(Runs / 2));
    }
}

void BM_DeleteAll(benchmark::State &state)
{
    for (auto _ : state) {
        restore(state);
        ProfileFile(g_path, ProfileFile::Access::Direct).DeleteSections(g_names);
    }
    QStringList left;
    ProfileFile(g_path, ProfileFile::Access::Direct).ListSections(left);
    if (!left.isEmpty())
        state.SkipWithError("runs were left");
}

} // namespace

BENCHMARK(BM_DeleteOne)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(BM_DeleteAll)->Unit(benchmark::kMillisecond)->MinTime(2.0);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    Platform::SetDataDir(dir.path());
    g_path = Platform::DataFile(QLatin1String(Platform::TrainingResultsFile));
    g_original = BenchData::ResultsFile(Runs, 40);
    for (int i = 0; i < Runs; ++i)
        g_names.append(BenchData::RunName(i));
    std::printf("testres.ini: %.1f MB, %d runs of 40 Elements\n", double(g_original.size()) / 1e6, Runs);

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    const bool ok = reporter.Ratio("Delete All of 50000 runs / Delete of one", "BM_DeleteAll/min_time:2.000",
                                   "BM_DeleteOne/min_time:2.000", 2.0);
    return ok ? 0 : 1;
}
