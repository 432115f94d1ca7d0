// A long history costs what is shown of it. Results files of 100, 10,000
// and 100,000 runs of 20 Elements on ten Modules, each listed by the main
// window as the program lists it (so the run list is what the program
// keeps), then:
// - the reopen of the newest run (the report filled, its standing among
//   the Module's runs), 100,000 runs against 100;
// - choosing a Module in the drop-down, and toggling Training/Exam with a
//   Module shown, at 100,000 runs;
// - the CSV export of all runs as its button does it (each run analysed,
//   the file written and synced), per 10x step of runs and at 100,000.
// Each figure is the fastest of its repetitions: other programs on the
// machine can only make one slower.

#include "app/forms.h"
#include "app/frmmain.h"
#include "app/history.h"
#include "bench/benchdata.h"
#include "bench/ratios.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "results/frmresults.h"
#include "results/storedruns.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QToolButton>

#include <cstdio>
#include <string>

namespace {

Tfrm_main *g_main = nullptr;
Tfrm_results *g_results = nullptr;
QString g_dir;

QString examFile() { return Platform::DataFile(QLatin1String(Platform::ExamResultsFile)); }

// Both files hold `runs` runs; the Exam file is listed, All Modules.
void listHistory(int runs)
{
    const QByteArray data = BenchData::ResultsFile(runs, 20, 10);
    BenchData::WriteFile(examFile(), data);
    QByteArray training = data;
    training.replace("[01.01.2026", "[02.01.2026");
    BenchData::WriteFile(Platform::DataFile(QLatin1String(Platform::TrainingResultsFile)), training);
    g_main->ComboBox1->setCurrentIndex(0);
    g_main->ComboBox1Change();
    if (g_main->SpeedButton1->isChecked())
        g_main->SpeedButton1->click();
    QCoreApplication::processEvents();
}

void BM_Reopen(benchmark::State &state)
{
    const int runs = int(state.range(0));
    listHistory(runs);
    const QString newest = BenchData::RunName(runs - 1);
    for (auto _ : state) {
        g_results->Reopen(examFile(), newest);
        QCoreApplication::processEvents();
    }
    if (g_results->TotalText() != QLatin1String("20"))
        state.SkipWithError("the run was not reopened");
}

// Picks Module 3, then (untimed) All Modules again.
void BM_DropDown(benchmark::State &state)
{
    listHistory(int(state.range(0)));
    g_main->ComboBox1DropDown(); // the choices, as opening the drop-down fills them
    for (auto _ : state) {
        g_main->ComboBox1->setCurrentIndex(4); // after All Modules, Module 0 ... Module 3
        g_main->ComboBox1Change();
        QCoreApplication::processEvents();
        state.PauseTiming();
        if (g_main->ShownModule() != BenchData::ModuleName(3))
            state.SkipWithError("the Module was not shown");
        g_main->ComboBox1->setCurrentIndex(0);
        g_main->ComboBox1Change();
        g_main->ComboBox1DropDown();
        QCoreApplication::processEvents();
        state.ResumeTiming();
    }
}

void BM_ToggleWithModule(benchmark::State &state)
{
    listHistory(int(state.range(0)));
    g_main->ComboBox1DropDown();
    g_main->ComboBox1->setCurrentIndex(4);
    g_main->ComboBox1Change();
    for (auto _ : state) {
        g_main->SpeedButton1->click();
        QCoreApplication::processEvents();
    }
    if (g_main->ShownModule() != BenchData::ModuleName(3))
        state.SkipWithError("the Module did not stay shown");
}

// Export answers its save dialog with a file in the data directory, and
// the question whether to replace it with yes.
class SaveTo : public Dialogs::Handler
{
public:
    QString target;
    Dialogs::Answer Ask(Dialogs::Kind, const QString &, const QString &) override { return Dialogs::Answer::Ok; }
    QString FileName(bool, const QString &) override { return target; }
    int ExecModal(QDialog *) override { return 0; }
};

// The export button with All Modules shown: every run listed, analysed and
// written, the file replaced.
void BM_Export(benchmark::State &state)
{
    const int runs = int(state.range(0));
    listHistory(runs);
    SaveTo user;
    user.target = g_dir + QStringLiteral("/out.csv");
    Dialogs::SetHandler(&user);
    for (auto _ : state)
        g_main->BitBtn3Click();
    Dialogs::SetHandler(nullptr);
    QFile csv(user.target);
    if (!csv.open(QIODevice::ReadOnly) || csv.readAll().count('\n') != runs + 1)
        state.SkipWithError("the export does not hold every run");
}

} // namespace

BENCHMARK(BM_Reopen)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(3);
BENCHMARK(BM_DropDown)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_ToggleWithModule)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(6);
BENCHMARK(BM_Export)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond)->Repetitions(5);

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_dir = dir.path();
    Platform::SetDataDir(g_dir);
    Forms forms = CreateForms();
    g_main = forms.frm_main;
    g_results = forms.frm_results;
    g_main->show();
    QCoreApplication::processEvents();

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok =
        reporter.Ratio("reopen: 100,000 runs / 100 runs", "BM_Reopen/100000/repeats:3", "BM_Reopen/100/repeats:3", 5.0);
    ok = reporter.Ratio("export: 10,000 runs / 1,000 runs", "BM_Export/10000/repeats:5", "BM_Export/1000/repeats:5",
                        11.5)
         && ok;
    ok = reporter.Ratio("export: 100,000 runs / 10,000 runs", "BM_Export/100000/repeats:5", "BM_Export/10000/repeats:5",
                        11.5)
         && ok;
    const auto bound = [&ok, &reporter](const char *label, const std::string &name, double limitMs) {
        const double ms = reporter.Seconds(name) * 1e3;
        const bool held = ms >= 0 && ms <= limitMs;
        std::printf("%-58s %10.1f ms (bound %.0f ms) %s\n", label, ms, limitMs, held ? "ok" : "EXCEEDED");
        ok = held && ok;
    };
    bound("a Module chosen in the drop-down, 100,000 runs", "BM_DropDown/100000/iterations:5", 150);
    bound("Training/Exam toggled with a Module shown, 100,000 runs", "BM_ToggleWithModule/100000/iterations:6", 150);
    bound("export of 100,000 runs", "BM_Export/100000/repeats:5", 400);
    DestroyForms(forms);
    return ok ? 0 : 1;
}
