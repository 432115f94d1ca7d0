// The history view on a results file of 3,000 runs of 1,000 Elements
// (about 18 MB): one reload of the main window (list, chart and all, from a
// cold parse) against one full parse of the file; and the start-up of the
// program to its shown main window with that file as examres.ini against
// the start-up of a bare Qt window with an empty chart, both measured as
// whole processes that quit right after the first show.

#include "app/forms.h"
#include "app/frmmain.h"
#include "platform/platform.h"
#include "app/programicon.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "profile/profilefile.h"

#include <QApplication>
#include <QMainWindow>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtCharts/QChartView>

#include <cstring>

namespace {

QString g_dir;
QString g_self;
Tfrm_main *g_main = nullptr;

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
        Profile::ClearDirectCache();
        g_main->ReloadHistory();
        QCoreApplication::processEvents(); // let the chart take its new bars
    }
}

// Each reload lists the other file, whose runs have other dates: the list,
// the bars and every chart label change.
void BM_ReloadToggle(benchmark::State &state)
{
    for (auto _ : state) {
        Profile::ClearDirectCache();
        g_main->SpeedButton1->click();
        QCoreApplication::processEvents();
    }
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
    const QByteArray data = BenchData::ResultsFile(3000, 1000);
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::ExamResultsFile)), data);
    // The Training results: as many runs, a day later each.
    QByteArray training = data;
    training.replace("[01.01.2026", "[02.01.2026");
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::TrainingResultsFile)), training);
    std::printf("examres.ini: %.1f MB, 3000 runs of 1000 Elements\n", double(data.size()) / 1e6);

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
    ok = reporter.ratio("start-up with the file / bare window with a chart", "BM_StartTenacio/iterations:15",
                        "BM_StartBareWindow/iterations:15", 1.5) &&
         ok;
    DestroyForms(forms);
    return ok ? 0 : 1;
}
