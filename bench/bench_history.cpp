// The history view on a results file of 3,000 runs of 1,000 Elements
// (about 18 MB, the runs spread over ten Modules): one reload of the main
// window (list, chart and all, from a cold parse), narrowing it to one
// Module, the reload with that Module shown, and the export of all 3,000
// runs as CSV, each against one full parse of the file; and the start-up
// of the program with that file as examres.ini (and the starter library, a
// config.ini) against the start-up of a bare Qt window showing a chart of
// the same 100 bars, each a child process measured by its own CPU time to
// the first paint of its window.

#include "app/forms.h"
#include "app/frmmain.h"
#include "app/programicon.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "profile/directparse.h"
#include "profile/fileaccess.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtCharts/QBarSet>
#include <QtCharts/QChartView>
#include <QtCharts/QStackedBarSeries>
#include <QtCharts/QValueAxis>

#include <cstdlib>
#include <cstring>

namespace {

QString g_dir;
QString g_self;
Tfrm_main *g_main = nullptr;

// Both lists the program keeps of a file dropped: every step below reads
// the file afresh.
void coldCaches()
{
    Profile::ClearDirectCache();
    ResultsStore::ForgetRuns();
}

// One full parse of the file, the one direct access reads it through: every
// line and section indexed; its count shows that it ran to the end. Every
// step here runs on cold memory (see main), the parse too.
void BM_Parse(benchmark::State &state)
{
    const QString path = Platform::DataFile(QLatin1String(Platform::ExamResultsFile));
    qsizetype sections = 0;
    for (auto _ : state) {
        Profile::DirectParse parse(path);
        parse.ReadAll();
        sections = parse.sections.size();
    }
    if (sections != 3000)
        state.SkipWithError("the parse did not index the whole file");
}

// The floor of any read of the file: its bytes read and their lines counted.
void BM_ReadCountLines(benchmark::State &state)
{
    const QString path = Platform::DataFile(QLatin1String(Platform::ExamResultsFile));
    for (auto _ : state) {
        QByteArray bytes;
        if (!Profile::ReadWholeFile(path, &bytes).isEmpty())
            std::abort();
        benchmark::DoNotOptimize(bytes.count('\n'));
    }
}

void BM_Reload(benchmark::State &state)
{
    for (auto _ : state) {
        coldCaches();
        g_main->ReloadHistory();
        QCoreApplication::processEvents(); // let the chart take its new bars
    }
}

// Each reload lists the other file, whose runs have other dates: the list,
// the bars and every chart label change.
void BM_ReloadToggle(benchmark::State &state)
{
    for (auto _ : state) {
        coldCaches();
        g_main->SpeedButton1->click();
        QCoreApplication::processEvents();
    }
}

// Picks a Module in the drop-down as the user does: opens it (which fills
// it with the file's Modules), then picks one; index 0 is All Modules.
void showModule(int index)
{
    g_main->ComboBox1DropDown();
    g_main->ComboBox1->setCurrentIndex(index);
    g_main->ComboBox1Change();
    QCoreApplication::processEvents();
}

// Each narrowing picks another Module, from a cold parse.
void BM_NarrowToModule(benchmark::State &state)
{
    int m = 0;
    for (auto _ : state) {
        state.PauseTiming();
        m = m % 10 + 1;
        state.ResumeTiming();
        coldCaches();
        showModule(m);
    }
    if (g_main->ShownModule() != BenchData::ModuleName(m - 1) || g_main->Bars().size() != 100)
        state.SkipWithError("not narrowed to the Module");
    showModule(0);
}

void BM_ReloadOneModule(benchmark::State &state)
{
    showModule(3);
    for (auto _ : state) {
        coldCaches();
        g_main->ReloadHistory();
        QCoreApplication::processEvents();
    }
    if (g_main->ShownModule().isEmpty())
        state.SkipWithError("the Module choice was lost");
    showModule(0);
}

// Export answers its save dialog with a file in the data directory.
class SaveTo : public Dialogs::Handler
{
public:
    Dialogs::Answer Ask(Dialogs::Kind, const QString &, const QString &) override { return Dialogs::Answer::Ok; }
    QString FileName(bool, const QString &) override { return Platform::DataFile(QStringLiteral("history.csv")); }
    int ExecModal(QDialog *) override { return 0; }
};

void BM_ExportAll(benchmark::State &state)
{
    SaveTo user;
    Dialogs::SetHandler(&user);
    for (auto _ : state) {
        coldCaches();
        g_main->BitBtn3Click();
    }
    Dialogs::SetHandler(nullptr);
    QFile csv(Platform::DataFile(QStringLiteral("history.csv")));
    if (!csv.open(QIODevice::ReadOnly) || csv.readAll().count('\n') != 3001)
        state.SkipWithError("the export does not hold every run");
}

// The child's CPU time (user + system) to its first paint, as manual time.
void runChild(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        const double before = BenchData::ChildCpuSeconds();
        QProcess child;
        child.start(g_self, {QString::fromLatin1(mode), g_dir});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            state.SkipWithError("the child did not paint its window with 100 bars");
            return;
        }
        state.SetIterationTime(BenchData::ChildCpuSeconds() - before);
    }
}

void BM_StartBareWindow(benchmark::State &state) { runChild(state, "--bare"); }
void BM_StartTenacio(benchmark::State &state) { runChild(state, "--tenacio"); }

// A chart as the main window's: 100 stacked bars in five colours (each
// bar in one), value axes.
QChart *barChart()
{
    auto *chart = new QChart();
    chart->legend()->hide();
    chart->setAnimationOptions(QChart::NoAnimation);
    auto *series = new QStackedBarSeries();
    for (int s = 0; s < 5; ++s) {
        auto *set = new QBarSet(QString());
        for (int b = 0; b < 100; ++b)
            set->append(b % 5 == s ? 1 + (b * 7) % 11 : 0.0);
        series->append(set);
    }
    chart->addSeries(series);
    auto *x = new QValueAxis();
    x->setRange(-0.5, 99.5);
    auto *y = new QValueAxis();
    y->setRange(0, 12);
    chart->addAxis(x, Qt::AlignBottom);
    chart->addAxis(y, Qt::AlignLeft);
    series->attachAxis(x);
    series->attachAxis(y);
    return chart;
}

// Child processes: show a window, quit after its first paint.
int childMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    BenchData::FirstPaint paint;
    if (std::strcmp(argv[1], "--bare") == 0) {
        QMainWindow window;
        auto *view = new QChartView(barChart());
        window.setCentralWidget(view);
        // A main window paints no background of its own: the chart's paint
        // is the window's first.
        view->viewport()->installEventFilter(&paint);
        window.showMaximized();
        const int code = app.exec();
        return paint.painted ? code : 3;
    }
    Platform::SetDataDir(QString::fromLocal8Bit(argv[2]));
    // What the program's entry does before its event loop.
    QApplication::setWindowIcon(ProgramIcon());
    Modules::PlaceStarterLibrary(Modules::LibraryPath());
    Forms forms = CreateForms();
    forms.frm_main->installEventFilter(&paint);
    forms.frm_main->showMaximized();
    const int code = app.exec();
    const bool listed = paint.painted && forms.frm_main->Bars().size() == 100;
    DestroyForms(forms);
    return listed ? code : 3;
}

} // namespace

BENCHMARK(BM_ReadCountLines)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Reload)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReloadToggle)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_NarrowToModule)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReloadOneModule)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);
BENCHMARK(BM_StartTenacio)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(15);

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    if (argc >= 3 && (std::strcmp(argv[1], "--bare") == 0 || std::strcmp(argv[1], "--tenacio") == 0))
        return childMain(argc, argv);

    QApplication app(argc, argv);
    // Each step reads the 18 MB file into pages of its own, as the first
    // read in a program does; bench_profile measures the parse on warm
    // memory too.
    BenchData::UseMemory(BenchData::Memory::Cold);
    g_self = QCoreApplication::applicationFilePath();
    QTemporaryDir dir;
    g_dir = dir.path();
    Platform::SetDataDir(g_dir);
    const QByteArray data = BenchData::ResultsFile(3000, 1000, 10);
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::ExamResultsFile)), data);
    // The Training results: as many runs, a day later each.
    QByteArray training = data;
    training.replace("[01.01.2026", "[02.01.2026");
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::TrainingResultsFile)), training);
    BenchData::WriteFile(Platform::DataFile(QStringLiteral("config.ini")),
                         "[Test]\r\nTNumOfEl=20\r\nTimerMSec=1000\r\nTMName=Two-digit numbers\r\nTDiapFrom=10\r\n"
                         "TDiapTo=99\r\n\r\n[Exam]\r\nENumOfEl=20\r\nEMName=Three-digit numbers\r\nEDiapFrom=100\r\n"
                         "EDiapTo=999\r\n\r\n");
    Modules::PlaceStarterLibrary(Modules::LibraryPath());
    std::printf("examres.ini: %.1f MB, 3000 runs of 1000 Elements on 10 Modules\n", double(data.size()) / 1e6);

    Forms forms = CreateForms();
    g_main = forms.frm_main;
    g_main->show();
    QCoreApplication::processEvents();

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.Ratio("one full parse / read + count lines", "BM_Parse/min_time:1.000",
                             "BM_ReadCountLines/min_time:1.000", 2.0);
    ok = reporter.Ratio("one reload (list and chart) / one full parse", "BM_Reload/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0)
         && ok;
    ok = reporter.Ratio("reload of the other file / one full parse", "BM_ReloadToggle/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0)
         && ok;
    ok = reporter.Ratio("narrow to one Module / one full parse", "BM_NarrowToModule/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0)
         && ok;
    ok = reporter.Ratio("reload with one Module shown / one full parse", "BM_ReloadOneModule/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0)
         && ok;
    // The export analyses every run too: 3 million Elements aligned with
    // their answers, each run from one load of the file.
    ok = reporter.Ratio("export all 3000 runs, analysed / one full parse", "BM_ExportAll/min_time:1.000",
                        "BM_Parse/min_time:1.000", 15.0)
         && ok;
    ok =
        reporter.Ratio("start-up CPU with the file / bare window, 100 bars",
                       "BM_StartTenacio/iterations:15/manual_time", "BM_StartBareWindow/iterations:15/manual_time", 1.5)
        && ok;
    DestroyForms(forms);
    return ok ? 0 : 1;
}
