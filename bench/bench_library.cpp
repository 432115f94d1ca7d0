// A large library costs what is used of it. The big library is the starter
// library with one more Module of 13 million Elements beside it (about
// 107 MB); Training and Exam stay on starter Modules, as they would.
//
// - Start-up: the program as a child process, to the first paint of its
//   main window with 100 bars in the chart, real config.ini and results
//   files; the child's CPU time (user + system) with the big library
//   against the same start-up with the starter library. The child also
//   reports its resident memory after the first paint has settled and its
//   peak.
// - Options open: the options dialog shown (its handler reads the Module
//   names and the Modules of both pages), big library against starter.
// - Drill mistakes: the names read and a Module of the mistakes added, as
//   the report's button does, against the floor of reading the file and
//   writing it whole once.
//
// Usage: bench_library [benchmark flags]

#include "app/forms.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "platform/platform.h"
#include "profile/atomicfile.h"
#include "profile/profilefile.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

QString g_self;
QString g_starterDir; // data folders of the two libraries
QString g_bigDir;
double g_rssMb[2] = {};  // steady resident memory of the last child, per library
double g_peakMb[2] = {}; // its peak

constexpr int BigElements = 13000000;

QByteArray bigModule()
{
    QByteArray data;
    data.reserve(qsizetype(BigElements) * 8 + 32);
    data += "[Digits]\r\nData=";
    for (int e = 0; e < BigElements; ++e) {
        if (e)
            data += ',';
        data += QByteArray::number(1000000 + e);
    }
    return data + "\r\n\r\n";
}

QByteArray configFile()
{
    return "[Test]\r\nTNumOfEl=20\r\nTimerMSec=1000\r\nTMName=Two-digit numbers\r\nTDiapFrom=10\r\nTDiapTo=99\r\n\r\n"
           "[Exam]\r\nENumOfEl=20\r\nEMName=Three-digit numbers\r\nEDiapFrom=100\r\nEDiapTo=999\r\n\r\n";
}

// A data folder with the starter library, and with the big Module after it.
void makeDataDir(const QString &dir, bool big)
{
    const QString library = dir + QStringLiteral("/modules.ini");
    Modules::PlaceStarterLibrary(library);
    if (big) {
        QFile f(library);
        if (!f.open(QIODevice::Append) || f.write(bigModule()) < 0)
            std::abort();
    }
    BenchData::WriteFile(dir + QStringLiteral("/config.ini"), configFile());
    const QByteArray results = BenchData::ResultsFile(120, 20, 3);
    BenchData::WriteFile(dir + QStringLiteral("/examres.ini"), results);
    BenchData::WriteFile(dir + QStringLiteral("/testres.ini"), results);
}

// The CPU time of one start-up of the program, as manual time.
void startUp(benchmark::State &state, bool big)
{
    const QString &dir = big ? g_bigDir : g_starterDir;
    for (auto _ : state) {
        const double before = BenchData::ChildCpuSeconds();
        QProcess child;
        child.start(g_self, {QStringLiteral("--child"), dir});
        if (!child.waitForFinished(120000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not start up with 100 bars");
            return;
        }
        state.SetIterationTime(BenchData::ChildCpuSeconds() - before);
        const QList<QByteArray> mb = child.readAllStandardOutput().trimmed().split(' ');
        if (mb.size() == 2) {
            g_rssMb[big] = mb.at(0).toDouble();
            g_peakMb[big] = mb.at(1).toDouble();
        }
    }
    state.counters["rss_MB"] = g_rssMb[big];
    state.counters["peak_MB"] = g_peakMb[big];
}

void BM_StartUpStarter(benchmark::State &state) { startUp(state, false); }
void BM_StartUpBig(benchmark::State &state) { startUp(state, true); }

void openOptions(benchmark::State &state, bool big)
{
    Platform::SetDataDir(big ? g_bigDir : g_starterDir);
    Tfrm_options dialog;
    for (auto _ : state) {
        dialog.show(); // its handler reads the library
        QCoreApplication::processEvents();
        state.PauseTiming();
        dialog.hide();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
    if (dialog.ModuleName(Tfrm_options::Page::Training) != QLatin1String("Two-digit numbers")
        || dialog.ElementTotal(Tfrm_options::Page::Exam) != 900)
        state.SkipWithError("the options do not show the Modules in use");
}

void BM_OptionsStarter(benchmark::State &state) { openOptions(state, false); }
void BM_OptionsBig(benchmark::State &state) { openOptions(state, true); }

// What the report's Drill mistakes does with the library: every Module
// name (for a free name), then the new Module added.
void BM_DrillMistakesBig(benchmark::State &state)
{
    const QString path = g_bigDir + QStringLiteral("/modules.ini");
    const QStringList elements{QStringLiteral("12"), QStringLiteral("47"), QStringLiteral("83")};
    for (auto _ : state) {
        const QStringList names = Modules::AllModuleNames(path);
        Modules::AddModule(path, Modules::FreeName(QStringLiteral("Mistakes"), names), elements);
    }
    if (!Modules::AllModuleNames(path).contains(QStringLiteral("Digits")))
        state.SkipWithError("the big Module went");
}

// The floor: the file read and written whole once, as any change of it is.
void BM_ReadWriteFloor(benchmark::State &state)
{
    const QString path = g_bigDir + QStringLiteral("/modules.ini");
    const QString copy = g_bigDir + QStringLiteral("/copy.ini");
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        const QByteArray bytes = f.readAll();
        if (!Profile::ReplaceFile(copy, bytes).isEmpty())
            std::abort();
    }
}

// The child: the program's start-up to the first paint of its main window.
int childMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    Platform::SetDataDir(QString::fromLocal8Bit(argv[2]));
    QApplication::setWindowIcon(ProgramIcon());
    Modules::PlaceStarterLibrary(Modules::LibraryPath());
    Forms forms = CreateForms();
    BenchData::FirstPaint paint;
    forms.frm_main->installEventFilter(&paint);
    forms.frm_main->showMaximized();
    const int code = app.exec();
    // Whatever the first paint has left to settle.
    for (int i = 0; i < 5; ++i)
        QCoreApplication::processEvents();
    const bool listed = paint.painted && forms.frm_main->Bars().size() == 100;
    std::printf("%.1f %.1f\n", BenchData::StatusMb("VmRSS:"), BenchData::StatusMb("VmHWM:"));
    DestroyForms(forms);
    return listed ? code : 3;
}

} // namespace

BENCHMARK(BM_StartUpStarter)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_StartUpBig)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(5);
BENCHMARK(BM_OptionsStarter)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_OptionsBig)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ReadWriteFloor)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DrillMistakesBig)->Unit(benchmark::kMillisecond)->Iterations(3);

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    if (argc >= 3 && std::strcmp(argv[1], "--child") == 0)
        return childMain(argc, argv);

    QApplication app(argc, argv);
    g_self = QCoreApplication::applicationFilePath();
    QTemporaryDir starter;
    QTemporaryDir big;
    g_starterDir = starter.path();
    g_bigDir = big.path();
    makeDataDir(g_starterDir, false);
    makeDataDir(g_bigDir, true);
    std::printf("big library: %.1f MB\n", double(QFileInfo(g_bigDir + QStringLiteral("/modules.ini")).size()) / 1e6);

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.Ratio("start-up CPU, big library / starter library", "BM_StartUpBig/iterations:5/manual_time",
                             "BM_StartUpStarter/iterations:5/manual_time", 2.0);
    ok = reporter.Ratio("options open, big library / starter library", "BM_OptionsBig/iterations:5",
                        "BM_OptionsStarter/iterations:5", 1e9)
         && ok;
    ok = reporter.Ratio("Drill mistakes, big library / read and write it once", "BM_DrillMistakesBig/iterations:3",
                        "BM_ReadWriteFloor/iterations:3", 1e9)
         && ok;
    const auto bound = [&ok](const char *label, double value, double limit, const char *unit) {
        const bool held = value >= 0 && value <= limit;
        std::printf("%-58s %10.1f %s (bound %.1f %s) %s\n", label, value, unit, limit, unit, held ? "ok" : "EXCEEDED");
        ok = held && ok;
    };
    bound("options open with the big library", reporter.Seconds("BM_OptionsBig/iterations:5") * 1e3, 500, "ms");
    bound("Drill mistakes with the big library", reporter.Seconds("BM_DrillMistakesBig/iterations:3") * 1e3, 1500,
          "ms");
    std::printf("resident memory after start-up: starter %.1f MB, big %.1f MB\n", g_rssMb[0], g_rssMb[1]);
    bound("resident memory after start-up, big library", g_rssMb[1], 150, "MB");
    bound("peak memory of the start-up, big library", g_peakMb[1], 350, "MB");
    return ok ? 0 : 1;
}
