// Picking a Module in the options dialog refills both range lists of its
// page. The library is the starter library with the Modules "Small" and
// "Big" of BenchData::ModulesFile after it, as a user's grown library holds
// its big Module beside the ones in use. With "Big" of n Elements the
// refill must grow linearly: the time at 10n is compared with the time at
// n, each measured in the same run by driving the real dialog (a Down key
// on the Module list picks "Big" after "Small"). At a million Elements it
// is compared with the floor of any refill, measured in the same run on the
// same memory: the library file read whole and its lines counted. Each
// size is the fastest of five repetitions.
// Every refill gets its memory as a user's first pick of the Module does,
// freshly mapped: big blocks are mapped on their own and what is freed is
// given back before the next pick. Left to the heap's own thresholds, a
// refill of 10,000 Elements reused the pages of the one before while one
// of 100,000 faulted its blocks in afresh, and the ratio measured the heap's
// luck instead of the refill.
// Opening the From list is measured too: its popup must not grow with the
// Module.

#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "platform/platform.h"

#include "library/frmoptions.h"
#include "library/modules.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

Tfrm_options *g_dialog = nullptr;
constexpr double RefillFloorBound = 6.0;

// The starter library, then "Small" and "Big" of `elements` Elements.
void writeLibrary(int elements)
{
    const QString path = Platform::DataFile(QLatin1String(Platform::ModulesFile));
    QFile::remove(path);
    if (!Modules::PlaceStarterLibrary(path))
        std::abort();
    QFile f(path);
    if (!f.open(QIODevice::Append) || f.write(BenchData::ModulesFile(elements)) < 0)
        std::abort();
}

// Where the Module list holds "Small"; "Big" follows it.
int smallIndex(QComboBox *modules)
{
    const int index = modules->findText(QStringLiteral("Small"));
    if (index < 0 || modules->itemText(index + 1) != QLatin1String("Big"))
        std::abort();
    return index;
}

void BM_PickModule(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    Profile::ClearDirectCache();
    g_dialog->LoadOptions();
    QComboBox *modules = g_dialog->ComboBox1;
    const int small = smallIndex(modules);
    BenchData::UseMemory(BenchData::Memory::Cold);
    for (auto _ : state) {
        state.PauseTiming();
        modules->setCurrentIndex(small);
        g_dialog->ComboBox1Change();
        QCoreApplication::processEvents();
        BenchData::GiveBackFreedPages();
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

// The floor of a refill: the library file read whole, its lines counted,
// on the same cold memory as the refill.
void BM_ReadLibraryFloor(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    const QString path = Platform::DataFile(QLatin1String(Platform::ModulesFile));
    BenchData::UseMemory(BenchData::Memory::Cold);
    qsizetype lines = 0;
    qsizetype size = 0;
    for (auto _ : state) {
        state.PauseTiming();
        BenchData::GiveBackFreedPages();
        state.ResumeTiming();
        QByteArray bytes;
        if (!Profile::ReadWholeFile(path, &bytes).isEmpty())
            std::abort();
        lines = bytes.count('\n');
        benchmark::DoNotOptimize(lines);
        size = bytes.size();
    }
    if (lines < 2 || size != QFile(path).size())
        state.SkipWithError("the library was not read whole");
    state.counters["elements"] = elements;
}

// Opening the From list after the refill: the popup must not measure
// every Element.
void BM_OpenFromList(benchmark::State &state)
{
    const int elements = int(state.range(0));
    writeLibrary(elements);
    Profile::ClearDirectCache();
    g_dialog->LoadOptions();
    g_dialog->ComboBox1->setCurrentIndex(smallIndex(g_dialog->ComboBox1) + 1); // "Big"
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

} // namespace

BENCHMARK(BM_PickModule)
    ->Arg(10000)
    ->Arg(100000)
    ->Arg(1000000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Repetitions(5);
BENCHMARK(BM_ReadLibraryFloor)->Arg(1000000)->Unit(benchmark::kMillisecond)->UseRealTime()->Repetitions(5);
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

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);

    const auto name = [](int elements, const char *benchmark = "BM_PickModule") {
        return std::string(benchmark) + "/" + std::to_string(elements) + "/repeats:5/real_time";
    };
    std::printf("fastest refill: 10,000 Elements %.3f ms, 100,000 %.3f ms, 1,000,000 %.3f ms\n",
                reporter.Seconds(name(10000)) * 1e3, reporter.Seconds(name(100000)) * 1e3,
                reporter.Seconds(name(1000000)) * 1e3);
    bool ok = reporter.Ratio("refill: 100,000 / 10,000 Elements", name(100000), name(10000), 12.0);
    ok = reporter.Ratio("refill: 1,000,000 / 100,000 Elements", name(1000000), name(100000), 12.0) && ok;
    // A refill decodes the Data value into the list's text and marks its
    // Elements: a few passes over the bytes the floor reads once.
    ok = reporter.Ratio("refill / library read, 1,000,000 Elements", name(1000000),
                        name(1000000, "BM_ReadLibraryFloor"), RefillFloorBound)
         && ok;
    // The popup shows a few rows whatever the size: a hundred times the
    // Elements may not cost ten times the time.
    ok = reporter.Ratio("open the From list: 1,000,000 / 10,000 Elements", name(1000000, "BM_OpenFromList"),
                        name(10000, "BM_OpenFromList"), 10.0)
         && ok;
    return ok ? 0 : 1;
}
