// The history view on a results file of 3,000 runs of 1,000 Elements
// (about 18 MB, the runs spread over ten Modules): one reload of the main
// window (list, chart and all, from a cold parse), narrowing it to one
// Module, the reload with that Module shown, and the export of all 3,000
// runs as CSV, each against one full parse of the file; and the start-up
// of the program to its shown main window with that file as examres.ini
// against the start-up of a bare Qt window with an empty chart, both
// measured as whole processes that quit right after the first show.

#include "app/forms.h"
#include "app/frmmain.h"
#include "platform/platform.h"
#include "app/programicon.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "platform/dialogs.h"
#include "profile/profilefile.h"
#include "results/storedruns.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>
#include <QProcess>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtCharts/QChartView>

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

void BM_Parse(benchmark::State &state)
{
    const QString path = Platform::DataFile(QLatin1String(Platform::ExamResultsFile));
    for (auto _ : state) {
        // Direct access indexes a file only as far as a call needs: a
        // section that is not there makes it read and index all of it.
        Profile::ClearDirectCache();
        ProfileFile file(path, ProfileFile::Access::Direct);
        benchmark::DoNotOptimize(file.ReadText(QStringLiteral("absent"), QStringLiteral("Koeff"), QString()));
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
    Dialogs::Answer ask(Dialogs::Kind, const QString &, const QString &) override { return Dialogs::Answer::Ok; }
    QString fileName(bool, const QString &) override { return Platform::DataFile(QStringLiteral("history.csv")); }
    int execModal(QDialog *) override { return 0; }
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

void runChild(benchmark::State &state, const char *mode)
{
    for (auto _ : state) {
        QProcess child;
        child.start(g_self, {QString::fromLatin1(mode), g_dir});
        if (!child.waitForFinished(60000) || child.exitCode() != 0)
            state.SkipWithError("child failed");
    }
}

void BM_StartBareWindow(benchmark::State &state) { runChild(state, "--bare"); }
void BM_StartTenacio(benchmark::State &state) { runChild(state, "--tenacio"); }

// Child processes: show a window, quit right after the first show.
int childMain(int argc, char **argv)
{
    QApplication app(argc, argv);
    if (std::strcmp(argv[1], "--bare") == 0) {
        QMainWindow window;
        auto *view = new QChartView(new QChart());
        window.setCentralWidget(view);
        window.showMaximized();
        QTimer::singleShot(0, &app, &QCoreApplication::quit);
        return app.exec();
    }
    Platform::SetDataDir(QString::fromLocal8Bit(argv[2]));
    // What the program's entry does before its event loop.
    QApplication::setWindowIcon(ProgramIcon());
    Forms forms = CreateForms();
    forms.frm_main->showMaximized();
    QTimer::singleShot(0, &app, &QCoreApplication::quit);
    const int code = app.exec();
    const bool listed = forms.frm_main->Bars().size() == 100;
    DestroyForms(forms);
    return listed ? code : 3;
}

} // namespace

BENCHMARK(BM_Parse)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_Reload)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReloadToggle)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_NarrowToModule)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ReloadOneModule)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_ExportAll)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_StartBareWindow)->Unit(benchmark::kMillisecond)->Iterations(15);
BENCHMARK(BM_StartTenacio)->Unit(benchmark::kMillisecond)->Iterations(15);

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    if (argc >= 3 && (std::strcmp(argv[1], "--bare") == 0 || std::strcmp(argv[1], "--tenacio") == 0))
        return childMain(argc, argv);

    QApplication app(argc, argv);
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
    std::printf("examres.ini: %.1f MB, 3000 runs of 1000 Elements on 10 Modules\n", double(data.size()) / 1e6);

    Forms forms = CreateForms();
    g_main = forms.frm_main;
    g_main->show();
    QCoreApplication::processEvents();

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.ratio("one reload (list and chart) / one full parse", "BM_Reload/min_time:1.000",
                             "BM_Parse/min_time:1.000", 2.0);
    ok = reporter.ratio("reload of the other file / one full parse", "BM_ReloadToggle/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0) &&
         ok;
    ok = reporter.ratio("narrow to one Module / one full parse", "BM_NarrowToModule/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0) &&
         ok;
    ok = reporter.ratio("reload with one Module shown / one full parse", "BM_ReloadOneModule/min_time:1.000",
                        "BM_Parse/min_time:1.000", 2.0) &&
         ok;
    // The export analyses every run too: 3 million Elements aligned with
    // their answers, each run from one load of the file.
    ok = reporter.ratio("export all 3000 runs, analysed / one full parse", "BM_ExportAll/min_time:1.000",
                        "BM_Parse/min_time:1.000", 15.0) &&
         ok;
    ok = reporter.ratio("start-up with the file / bare window with a chart", "BM_StartTenacio/iterations:15",
                        "BM_StartBareWindow/iterations:15", 1.5) &&
         ok;
    DestroyForms(forms);
    return ok ? 0 : 1;
}
