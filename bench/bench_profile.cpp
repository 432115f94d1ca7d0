// INI access on a results file of 3,000 runs of 1,000 Elements (about 18 MB):
// one full parse of the file by direct access and the floor of any read of
// it (read whole, lines counted), each on warm memory (the buffer reused, so
// the time is the work itself) and cold (every page of the buffer faulted
// in afresh, as a program's first read is), the parse bounded against the
// floor of the same memory; a history reload as the program does it (the
// file listed afresh, its newest 100 runs shown), and QSettings loading the
// same file.

#include "app/history.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "profile/directparse.h"
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

constexpr int Runs = 3000;
constexpr int LinesPerRun = 9; // header, seven keys, the empty line
// The parse indexes every line and decodes each section's name; the floor
// only finds the line ends.
constexpr double WarmParseBound = 2.0;
constexpr double ColdParseBound = 2.0;

// On cold memory, the pages the last iteration freed go back to the system
// (untimed), so that this one faults its buffer in afresh.
void coldPages(benchmark::State &state, BenchData::Memory memory)
{
    if (memory != BenchData::Memory::Cold)
        return;
    state.PauseTiming();
    BenchData::GiveBackFreedPages();
    state.ResumeTiming();
}

// One full parse, the one direct access reads a file through: every line
// and section indexed. Its counts show that it ran to the end.
void BM_DirectParse(benchmark::State &state, BenchData::Memory memory)
{
    BenchData::UseMemory(memory);
    qsizetype sections = 0;
    qsizetype lines = 0;
    for (auto _ : state) {
        coldPages(state, memory);
        Profile::DirectParse parse(g_path);
        parse.ReadAll();
        sections = parse.sections.size();
        lines = parse.lines.size();
    }
    if (sections != Runs || lines < Runs * LinesPerRun)
        state.SkipWithError("the parse did not index the whole file");
    state.counters["sections"] = double(sections);
}

// The floor of any read of the file: its bytes read and their lines counted.
void BM_ReadCountLines(benchmark::State &state, BenchData::Memory memory)
{
    BenchData::UseMemory(memory);
    qsizetype lines = 0;
    for (auto _ : state) {
        coldPages(state, memory);
        QByteArray bytes;
        if (!Profile::ReadWholeFile(g_path, &bytes).isEmpty())
            std::abort();
        lines = bytes.count('\n');
        benchmark::DoNotOptimize(lines);
    }
    if (lines != Runs * LinesPerRun)
        state.SkipWithError("the file was not read whole");
}

// A reload of the history as the program does it: the file listed afresh
// (nothing kept from the iteration before), its newest 100 runs shown.
void BM_HistoryReload(benchmark::State &state)
{
    BenchData::UseMemory(BenchData::Memory::Cold);
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
    BenchData::UseMemory(BenchData::Memory::Cold);
    for (auto _ : state) {
        QSettings settings(g_path, QSettings::IniFormat);
        benchmark::DoNotOptimize(settings.childGroups().size());
    }
}

void BM_InMemoryLoad(benchmark::State &state)
{
    BenchData::UseMemory(BenchData::Memory::Cold);
    for (auto _ : state) {
        ProfileFile file(g_path, ProfileFile::Access::InMemory);
        QStringList names;
        file.ListSections(names);
        benchmark::DoNotOptimize(names.size());
    }
}

} // namespace

// The warm ones first, on the heap as the first steps leave it: where a
// later heap places the parse's buffer decides whether its growth past the
// file's size is copied (measured: 61–82 against 6 ms of CPU).
BENCHMARK_CAPTURE(BM_ReadCountLines, warm, BenchData::Memory::Warm)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_DirectParse, warm, BenchData::Memory::Warm)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_ReadCountLines, cold, BenchData::Memory::Cold)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK_CAPTURE(BM_DirectParse, cold, BenchData::Memory::Cold)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_HistoryReload)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_QSettingsLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_InMemoryLoad)->Unit(benchmark::kMillisecond)->MinTime(1.0);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    g_path = dir.filePath(QStringLiteral("examres.ini"));
    const QByteArray data = BenchData::ResultsFile(Runs, 1000);
    BenchData::WriteFile(g_path, data);
    std::printf("results file: %.1f MB, 3000 runs of 1000 Elements\n", double(data.size()) / 1e6);

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.Ratio("direct parse / read + count lines, warm memory", "BM_DirectParse/warm/min_time:1.000",
                             "BM_ReadCountLines/warm/min_time:1.000", WarmParseBound);
    ok = reporter.Ratio("direct parse / read + count lines, cold memory", "BM_DirectParse/cold/min_time:1.000",
                        "BM_ReadCountLines/cold/min_time:1.000", ColdParseBound)
         && ok;
    // What the cold pages cost each: cold less warm.
    std::printf("page faults of a fresh buffer: read %.3f ms, parse %.3f ms\n",
                (reporter.Seconds("BM_ReadCountLines/cold/min_time:1.000")
                 - reporter.Seconds("BM_ReadCountLines/warm/min_time:1.000"))
                    * 1e3,
                (reporter.Seconds("BM_DirectParse/cold/min_time:1.000")
                 - reporter.Seconds("BM_DirectParse/warm/min_time:1.000"))
                    * 1e3);
    ok = reporter.Ratio("history reload / read + count lines, cold memory", "BM_HistoryReload/min_time:1.000",
                        "BM_ReadCountLines/cold/min_time:1.000", 2.0)
         && ok;
    ok = reporter.Ratio("direct parse, cold memory / QSettings load", "BM_DirectParse/cold/min_time:1.000",
                        "BM_QSettingsLoad/iterations:3", 1.0 / 6.0)
         && ok;
    return ok ? 0 : 1;
}
