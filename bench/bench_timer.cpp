// The runner's pace on a real run: a Training of 20 Elements of 6 seconds
// (120 ticks of Timer1), launched from the main window as the Test menu
// does, the runner shown, each Element drawn, shown and faded, and the
// runner painted as it changes.
//
// - On the fake clock (the tick seam): each tick is Timer1's handler run
//   with the clock a period on, then the runner painted whole (grabbed).
//   The baseline is the runner painted again at once, nothing changed: a
//   repaint alone, in the same run. The worst tick, handled and painted,
//   may cost at most 4 times the worst repaint, in CPU time: what a tick
//   adds to its paint stays small. The run must last exactly its 120
//   seconds on that clock.
// - Against the wall clock (unless --fake-clock): the same run with Timer1
//   firing by itself and the runner repainting in the event loop, counted
//   from the runner's first paint, where the pace starts. The baseline is a
//   bare precise timer of the same period started at that paint: the
//   runner's mean period over the 120 ticks may differ from the baseline's
//   by at most 1/1200 either way (100 ms over the run).
//
// - At the athletes' pace and length, on the fake clock: a Training of
//   10,000 Elements of 0.5 s (drawn shuffled), each tick handled and the
//   runner painted, then all 10,000 answers typed, scored, stored and
//   listed; measured against the same run at the old largest count of
//   1,000 Elements. The run must last exactly 10,000 x 500 ms on that clock,
//   with every Element stored, and a tick of the long run may cost at most
//   1.5 times a tick of the short one (the pace does not slow with the
//   length); an answer likewise.
//
// Usage: bench_timer [--fake-clock]

#include "app/forms.h"
#include "app/frmmain.h"
#include "app/history.h"
#include "bench/benchdata.h"
#include "engine/frmtest.h"
#include "library/frmoptions.h"
#include "library/modules.h"
#include "platform/dialogs.h"
#include "platform/platform.h"
#include "results/frmresults.h"
#include "results/resultsstore.h"
#include "results/storedruns.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QSet>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <functional>

namespace {

constexpr int Elements = 20;
constexpr int TicksPerElement = 6;
constexpr int Ticks = Elements * TicksPerElement;
constexpr double WorstTickRatioBound = 4.0;
constexpr double PeriodRatioBound = 1.0 / 1200; // either way

double threadCpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) * 1e-6;
}

// What a run showed: the Elements, the shades they were drawn in, the
// paints of the Element display.
class Seen : public QObject
{
public:
    explicit Seen(Tfrm_test *runner)
        : m_runner(runner)
    {
        runner->Label2->installEventFilter(this);
    }

    void Note()
    {
        if (m_runner->Phase != 1 || m_runner->presentationDone)
            return;
        if (!m_runner->Label2->text().isEmpty())
            elements.insert(m_runner->CurrentNumber);
        shades.insert(m_runner->Label2->palette().color(QPalette::WindowText).rgb());
    }

    QSet<int> elements;
    QSet<QRgb> shades;
    int paints = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }

private:
    Tfrm_test *m_runner;
};

struct Outcome
{
    bool ran = false;
    bool ok = false;
};

// The fake clock: every tick handled and painted by hand.
Outcome fakeClockRun(Tfrm_test *runner, quint32 &now)
{
    Seen seen(runner);
    runner->show();
    QCoreApplication::processEvents(); // the first paint starts the pace
    seen.Note();
    // Timer1 keeps its setting but stays out of the way.
    runner->Timer1->setInterval(24 * 3600 * 1000);
    double worstCpu = 0;
    double worstWall = 0;
    double totalCpu = 0;
    double worstRepaintCpu = 0;
    double totalRepaintCpu = 0;
    int ticks = 0;
    QElapsedTimer wall;
    while (runner->Phase == 1 && !runner->presentationDone && ticks < 2 * Ticks) {
        now += Tfrm_test::TimerInterval;
        const double cpu = threadCpuMs();
        wall.start();
        runner->Timer1Timer();
        const QPixmap painted = runner->grab();
        benchmark::DoNotOptimize(painted.cacheKey());
        const double spentCpu = threadCpuMs() - cpu;
        const double spentWall = double(wall.nsecsElapsed()) * 1e-6;
        worstCpu = std::max(worstCpu, spentCpu);
        worstWall = std::max(worstWall, spentWall);
        totalCpu += spentCpu;
        ++ticks;
        seen.Note();
        // The baseline: the same runner repainted whole, nothing changed
        // (not counted as the tick's paint).
        const int paints = seen.paints;
        const double repaint = threadCpuMs();
        benchmark::DoNotOptimize(runner->grab().cacheKey());
        const double spentRepaint = threadCpuMs() - repaint;
        seen.paints = paints;
        worstRepaintCpu = std::max(worstRepaintCpu, spentRepaint);
        totalRepaintCpu += spentRepaint;
    }
    runner->Timer1->setInterval(Tfrm_test::TimerInterval);
    std::printf("fake clock: %d ticks, %lld Elements shown, %lld shades, %d paints of the Element\n", ticks,
                static_cast<long long>(seen.elements.size()), static_cast<long long>(seen.shades.size()), seen.paints);
    const double worstRatio = worstRepaintCpu > 0 ? worstCpu / worstRepaintCpu : -1;
    const bool held = worstRatio >= 0 && worstRatio <= WorstTickRatioBound;
    std::printf("  a tick handled and painted: mean %.3f ms CPU, worst %.3f ms CPU (%.3f ms wall); a repaint alone: "
                "mean %.3f ms CPU, worst %.3f ms CPU\n",
                totalCpu / std::max(ticks, 1), worstCpu, worstWall, totalRepaintCpu / std::max(ticks, 1),
                worstRepaintCpu);
    std::printf("  worst tick / worst repaint: %.2f (bound %.1f) %s\n", worstRatio, WorstTickRatioBound,
                held ? "ok" : "EXCEEDED");
    Outcome outcome{true, held};
    // Each Element shown, in black and then fading (one shade per tick of
    // its time), painted at every tick.
    if (runner->presentationDone != true || seen.elements.size() != Elements || seen.shades.size() != TicksPerElement
        || seen.paints < Ticks || ticks != Ticks) {
        std::printf("  NOT a whole run: %d ticks, presentation %s\n", ticks,
                    runner->presentationDone ? "done" : "not done");
        outcome.ok = false;
    }
    return outcome;
}

// The wall clock: Timer1 fires by itself, the event loop paints.
Outcome wallClockRun(Tfrm_test *runner)
{
    Seen seen(runner);
    QElapsedTimer clock;
    qint64 firstPaintMs = -1;
    qint64 lastTickMs = 0;
    qint64 worstLateMs = 0;
    int ticks = 0;
    int baseTicks = 0;
    qint64 baseLastMs = 0;
    QTimer base;
    base.setTimerType(Qt::PreciseTimer);
    base.setInterval(Tfrm_test::TimerInterval);

    class PaceStart : public QObject
    {
    public:
        std::function<void()> onFirstPaint;
        std::function<void()> onHide;

    protected:
        bool eventFilter(QObject *, QEvent *event) override
        {
            if (event->type() == QEvent::Hide && onHide)
                onHide();
            if (event->type() == QEvent::Paint && onFirstPaint) {
                onFirstPaint();
                onFirstPaint = nullptr;
            }
            return false;
        }
    } paceStart;
    paceStart.onFirstPaint = [&] {
        firstPaintMs = clock.elapsed();
        base.start();
    };
    runner->installEventFilter(&paceStart);

    QEventLoop loop;
    paceStart.onHide = [&loop] { loop.quit(); }; // the run ended on its own
    // After the runner's own handler: the tick has been handled.
    QObject::connect(runner->Timer1, &QTimer::timeout, &loop, [&] {
        ++ticks;
        lastTickMs = clock.elapsed() - firstPaintMs;
        worstLateMs = std::max(worstLateMs, lastTickMs - qint64(ticks) * Tfrm_test::TimerInterval);
        seen.Note();
        if (runner->presentationDone || runner->Phase != 1)
            loop.quit();
    });
    QObject::connect(&base, &QTimer::timeout, &loop, [&] {
        ++baseTicks;
        baseLastMs = clock.elapsed() - firstPaintMs;
    });
    clock.start();
    const double cpu = threadCpuMs();
    runner->show();
    seen.Note();
    loop.exec();
    const double spentCpu = threadCpuMs() - cpu;
    base.stop();
    runner->removeEventFilter(&paceStart);

    const qint64 drift = lastTickMs - qint64(ticks) * Tfrm_test::TimerInterval;
    const qint64 baseDrift = baseLastMs - qint64(baseTicks) * Tfrm_test::TimerInterval;
    std::printf("wall clock: %d ticks in %lld ms from the first paint (%.0f ms CPU), %lld Elements shown, "
                "%lld shades, %d paints of the Element\n",
                ticks, static_cast<long long>(lastTickMs), spentCpu, static_cast<long long>(seen.elements.size()),
                static_cast<long long>(seen.shades.size()), seen.paints);
    std::printf("  runner Timer1: drift %+lld ms, worst tick late %lld ms; bare timer: %d ticks in %lld ms, drift "
                "%+lld ms\n",
                static_cast<long long>(drift), static_cast<long long>(worstLateMs), baseTicks,
                static_cast<long long>(baseLastMs), static_cast<long long>(baseDrift));
    // The mean periods, each from the first paint to its last tick.
    const double period = ticks > 0 ? double(lastTickMs) / ticks : -1;
    const double basePeriod = baseTicks > 0 ? double(baseLastMs) / baseTicks : -1;
    const double periodRatio = basePeriod > 0 ? period / basePeriod : -1;
    const bool held = periodRatio > 0 && std::abs(periodRatio - 1) <= PeriodRatioBound;
    std::printf("  mean period, runner / bare timer: %.3f ms / %.3f ms = %.5f (bound %.5f to %.5f) %s\n", period,
                basePeriod, periodRatio, 1 - PeriodRatioBound, 1 + PeriodRatioBound, held ? "ok" : "EXCEEDED");
    Outcome outcome{true, held};
    if (firstPaintMs < 0 || seen.elements.size() != Elements || seen.shades.size() != TicksPerElement
        || seen.paints < Ticks) {
        std::printf("  NOT a whole run, or not painted\n");
        outcome.ok = false;
    }
    return outcome;
}

constexpr double AthleteRatioBound = 1.5;

struct AthleteRun
{
    int ticks = 0;
    double tickCpuMs = 0;   // all ticks, handled and painted
    double answerCpuMs = 0; // all answers, the last one with the score, the save and the history
    int stored = 0;         // Elements of the stored run
};

// A Training of `count` Elements of 0.5 s: presented tick by tick on the
// fake clock, painted, then answered.
AthleteRun athleteRun(Tfrm_test *runner, Tfrm_results *report, quint32 &now)
{
    AthleteRun out;
    runner->show();
    QCoreApplication::processEvents();
    runner->Timer1->setInterval(24 * 3600 * 1000);
    const double cpu = threadCpuMs();
    while (runner->Phase == 1 && !runner->presentationDone && runner->isVisible()) {
        now += quint32(runner->tickPeriodMs);
        runner->Timer1Timer();
        benchmark::DoNotOptimize(runner->grab().cacheKey());
        ++out.ticks;
    }
    out.tickCpuMs = threadCpuMs() - cpu;
    const double answering = threadCpuMs();
    for (int n = 1; runner->Phase == 2 && runner->isVisible() && n <= runner->ElementCount; ++n) {
        runner->Edit1->setText(report->Cell(1, n - 1));
        runner->BitBtn1Click();
    }
    out.answerCpuMs = threadCpuMs() - answering;
    return out;
}

// Answers the start prompt and "Stop test?" with OK; runs the scenario
// while the runner is shown, then stops the run.
class User : public Dialogs::Handler
{
public:
    std::function<Outcome(Tfrm_test *)> scenario;
    Tfrm_test *runner = nullptr;
    Outcome outcome;

    Dialogs::Answer Ask(Dialogs::Kind, const QString &, const QString &) override { return Dialogs::Answer::Ok; }
    QString FileName(bool, const QString &) override { return QString(); }
    int ExecModal(QDialog *dialog) override
    {
        if (dialog != runner)
            return 0;
        outcome = scenario(runner);
        runner->reject();
        return runner->result();
    }
};

} // namespace

int main(int argc, char **argv)
{
    BenchData::UseOffscreenUnlessSet();
    QApplication app(argc, argv);
    const bool fakeOnly = argc > 1 && std::strcmp(argv[1], "--fake-clock") == 0;

    QTemporaryDir dir;
    Platform::SetDataDir(dir.path());
    Modules::PlaceStarterLibrary(Modules::LibraryPath());
    // The Training of 20 Elements of 6 s.
    const auto useShortRun = [] {
        BenchData::WriteFile(Platform::DataFile(QStringLiteral("config.ini")),
                             "[Test]\r\nTNumOfEl=20\r\nTimerMSec=6000\r\nTMName=Two-digit numbers\r\nTDiapFrom=10\r\n"
                             "TDiapTo=99\r\nIfexec=0\r\nIfNoTimeLimit=0\r\nIfShowNum=1\r\n\r\n");
    };
    useShortRun();

    Forms forms = CreateForms();
    forms.frm_main->FormShow();
    User user;
    user.runner = forms.frm_test;
    Dialogs::SetHandler(&user);

    quint32 now = 5000;
    Platform::SetTickSource([&now] { return now; });
    user.scenario = [&now](Tfrm_test *runner) { return fakeClockRun(runner, now); };
    forms.frm_main->est21Click();
    const quint32 runMs = forms.frm_main->CurrentRunState().EndTick - forms.frm_main->CurrentRunState().StartTick;
    std::printf("  the run on the fake clock: %u ms (%d ticks of %d ms): %s\n", runMs, Ticks, Tfrm_test::TimerInterval,
                runMs == quint32(Ticks) * Tfrm_test::TimerInterval ? "ok" : "WRONG");
    bool ok = user.outcome.ran && user.outcome.ok && runMs == quint32(Ticks) * Tfrm_test::TimerInterval;
    Platform::SetTickSource({});

    // The athletes' pace and length against the old largest count.
    AthleteRun runs[2];
    const int counts[2] = {1000, 10000};
    for (int i = 0; i < 2; ++i) {
        BenchData::WriteFile(Platform::DataFile(QStringLiteral("config.ini")),
                             QStringLiteral("[Test]\r\nTNumOfEl=%1\r\nTimerMSec=500\r\nTMName=Three-digit numbers\r\n"
                                            "Ifexec=0\r\nIfNoTimeLimit=0\r\nIfShowNum=1\r\nTDraw=1\r\n\r\n")
                                 .arg(counts[i])
                                 .toUtf8());
        forms.frm_options->LoadOptions();
        QFile::remove(Platform::DataFile(QStringLiteral("testres.ini")));
        Platform::SetTickSource([&now] { return now; });
        user.scenario = [&, i](Tfrm_test *runner) {
            runs[i] = athleteRun(runner, forms.frm_results, now);
            return Outcome{true, true};
        };
        forms.frm_main->est21Click();
        Platform::SetTickSource({});
        const quint32 athleteMs =
            forms.frm_main->CurrentRunState().EndTick - forms.frm_main->CurrentRunState().StartTick;
        const ResultsStore::StoredRun stored =
            ResultsStore::Read(Platform::DataFile(QStringLiteral("testres.ini")),
                               ResultsStore::SectionName(forms.frm_main->CurrentRunState().StartDateTime, QLocale()));
        runs[i].stored = stored.sheet.RowCount();
        // The history's CSV of that run, analysed.
        const QString testres = Platform::DataFile(QStringLiteral("testres.ini"));
        const QString csvPath = dir.filePath(QStringLiteral("runs.csv"));
        const double csvStart = threadCpuMs();
        History::ExportCsv(csvPath, testres, ResultsStore::ListRuns(testres).runs);
        const double csvMs = threadCpuMs() - csvStart;
        QFile csv(csvPath);
        const QByteArray csvText = csv.open(QIODevice::ReadOnly) ? csv.readAll() : QByteArray();
        const bool csvWhole =
            csvText.contains(QByteArray(QByteArray::number(counts[i]) + ",0," + QByteArray::number(counts[i])));
        std::printf("  the CSV of the run, analysed: %.0f ms CPU, Total, Errors and Right %s\n", csvMs,
                    csvWhole ? "ok" : "WRONG");
        const bool whole = athleteMs == quint32(counts[i]) * 500u && runs[i].stored == counts[i] && csvWhole;
        std::printf("athletes' pace: %d Elements of 500 ms: %d ticks in %u ms on the fake clock, %d Elements stored: "
                    "%s\n  ticks %.0f ms CPU (%.3f ms a tick), answers %.0f ms CPU (%.3f ms an answer)\n",
                    counts[i], runs[i].ticks, athleteMs, runs[i].stored, whole ? "ok" : "WRONG", runs[i].tickCpuMs,
                    runs[i].tickCpuMs / std::max(runs[i].ticks, 1), runs[i].answerCpuMs,
                    runs[i].answerCpuMs / counts[i]);
        ok = ok && whole;
    }
    const double tickRatio =
        (runs[1].tickCpuMs / std::max(runs[1].ticks, 1)) / (runs[0].tickCpuMs / std::max(runs[0].ticks, 1));
    const double answerRatio = (runs[1].answerCpuMs / counts[1]) / (runs[0].answerCpuMs / counts[0]);
    std::printf("  a tick of 10,000 / of 1,000: %.2f; an answer: %.2f; bound %.1f: %s\n", tickRatio, answerRatio,
                AthleteRatioBound,
                tickRatio <= AthleteRatioBound && answerRatio <= AthleteRatioBound ? "ok" : "EXCEEDED");
    ok = ok && tickRatio <= AthleteRatioBound && answerRatio <= AthleteRatioBound;

    if (!fakeOnly) {
        // The athletes' options are in force: back to the run of 20
        // Elements, which the wall clock measures (else it would present
        // 10,000 Elements for over an hour).
        useShortRun();
        forms.frm_options->LoadOptions();
        user.outcome = {};
        user.scenario = [](Tfrm_test *runner) { return wallClockRun(runner); };
        forms.frm_main->est21Click();
        ok = user.outcome.ran && user.outcome.ok && ok;
    }

    Dialogs::SetHandler(nullptr);
    DestroyForms(forms);
    return ok ? 0 : 1;
}
