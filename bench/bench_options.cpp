// Picking a Module in the options dialog refills both range lists of its
// page. With a Module of n Elements (the "Big" one of BenchData::ModulesFile)
// the refill must stay under a second at a million Elements and grow
// linearly: the time at 10n is compared with the time at n, each measured
// in the same run by driving the real dialog (a Down key on the Module list
// picks "Big" after "Small"). Each size is the fastest of five repetitions.
// Opening the From list is measured too: its popup must not grow with the
// Module.

#include "app/platform.h"
#include "bench/benchdata.h"

#include "library/frmoptions.h"
#include "profile/profilefile.h"

#include <QApplication>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

namespace {

Tfrm_options *g_dialog = nullptr;

void BM_PickModule(benchmark::State &state)
{
    const int elements = int(state.range(0));
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::ModulesFile)), BenchData::ModulesFile(elements));
    Profile::ClearDirectCache();
    g_dialog->LoadOptions();
    QComboBox *modules = g_dialog->ComboBox1;
    for (auto _ : state) {
        state.PauseTiming();
        modules->setCurrentIndex(0); // "Small"
        g_dialog->ComboBox1Change();
        QCoreApplication::processEvents();
        state.ResumeTiming();
        QTest::keyClick(modules, Qt::Key_Down); // the user picks "Big"
        QCoreApplication::processEvents();
    }
    const Tfrm_options::Page page = Tfrm_options::Page::Training;
    if (g_dialog->ModuleName(page) != QLatin1String("Big") || g_dialog->ElementTotal(page) != elements
        || g_dialog->RangeFrom(page) != 0 || g_dialog->RangeTo(page) != elements - 1)
        state.SkipWithError("the range lists were not refilled");
    state.counters["elements"] = elements;
}

// Opening the From list after the refill: the popup must not measure
// every Element.
void BM_OpenFromList(benchmark::State &state)
{
    const int elements = int(state.range(0));
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::ModulesFile)), BenchData::ModulesFile(elements));
    Profile::ClearDirectCache();
    g_dialog->LoadOptions();
    g_dialog->ComboBox1->setCurrentIndex(1); // "Big"
    g_dialog->ComboBox1Change();
    QComboBox *from = g_dialog->ComboBox2;
    for (auto _ : state) {
        from->showPopup();
        QCoreApplication::processEvents();
        from->hidePopup();
        QCoreApplication::processEvents();
    }
    if (from->count() != elements)
        state.SkipWithError("the From list does not hold the Module");
    state.counters["elements"] = elements;
}

// Keeps the fastest of the repetitions of each size: other programs on the
// machine can only make a repetition slower.
class FastestReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred)
                continue;
            const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto it = m_seconds.find(run.benchmark_name());
            if (it == m_seconds.end() || seconds < it->second)
                m_seconds[run.benchmark_name()] = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    double seconds(const std::string &name) const
    {
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? -1.0 : it->second;
    }

private:
    std::map<std::string, double> m_seconds;
};

} // namespace

BENCHMARK(BM_PickModule)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_OpenFromList)->Arg(10000)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    Platform::SetDataDir(dir.path());

    Tfrm_options dialog;
    g_dialog = &dialog;
    dialog.show();
    QCoreApplication::processEvents();

    FastestReporter reporter;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    const auto name = [](int elements, const char *benchmark = "BM_PickModule") {
        return std::string(benchmark) + "/" + std::to_string(elements) + "/repeats:5/real_time";
    };
    const double t4 = reporter.seconds(name(10000));
    const double t5 = reporter.seconds(name(100000));
    const double t6 = reporter.seconds(name(1000000));
    if (t4 <= 0 || t5 <= 0 || t6 <= 0) {
        std::printf("missing measurements\n");
        return 1;
    }
    std::printf("fastest refill: 10,000 Elements %.3f ms, 100,000 %.3f ms, 1,000,000 %.3f ms\n", t4 * 1e3, t5 * 1e3,
                t6 * 1e3);
    const bool ok5 = t5 / t4 <= 12.0;
    const bool ok6 = t6 / t5 <= 12.0;
    const bool fast = t6 < 1.0;
    std::printf("100,000 / 10,000 Elements:    %6.2f (bound 12) %s\n", t5 / t4, ok5 ? "ok" : "EXCEEDED");
    std::printf("1,000,000 / 100,000 Elements: %6.2f (bound 12) %s\n", t6 / t5, ok6 ? "ok" : "EXCEEDED");
    std::printf("1,000,000 Elements:        %9.3f ms (bound 1000 ms) %s\n", t6 * 1e3, fast ? "ok" : "EXCEEDED");
    // The popup shows a few rows whatever the size: a hundred times the
    // Elements may not cost ten times the time.
    const double open4 = reporter.seconds(name(10000, "BM_OpenFromList"));
    const double open6 = reporter.seconds(name(1000000, "BM_OpenFromList"));
    const bool okOpen = open4 > 0 && open6 > 0 && open6 / open4 <= 10.0;
    std::printf("open the From list: 10,000 Elements %.3f ms, 1,000,000 %.3f ms, ratio %.2f (bound 10) %s\n",
                open4 * 1e3, open6 * 1e3, open4 > 0 ? open6 / open4 : -1.0, okOpen ? "ok" : "EXCEEDED");
    return ok5 && ok6 && fast && okOpen ? 0 : 1;
}
