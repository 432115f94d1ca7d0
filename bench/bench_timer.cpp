// The runner's pace timer against the wall clock: over a run's 120 ticks
// (20 Elements of 6 seconds, about two minutes) the presentation must not
// drift from real time by 100 ms or more. Timer1 of a real runner window is
// started as FormShow starts it; a coarse timer of the same period runs
// beside it in the same event loop as the baseline.
//
// Usage: bench_timer [ticks]   (default 120)

#include "engine/frmtest.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

struct Track
{
    const char *name;
    int ticks = 0;
    qint64 lastMs = 0;
    qint64 worstLateMs = 0; // a tick's lateness against its due time
};

void record(Track &track, const QElapsedTimer &clock, int period)
{
    ++track.ticks;
    track.lastMs = clock.elapsed();
    track.worstLateMs = std::max(track.worstLateMs, track.lastMs - qint64(track.ticks) * period);
}

void print(const Track &t, int period)
{
    const qint64 drift = t.lastMs - qint64(t.ticks) * period;
    std::printf("%-22s ticks %4d  elapsed %8lld ms  drift %+5lld ms  worst tick late %4lld ms\n", t.name, t.ticks,
                static_cast<long long>(t.lastMs), static_cast<long long>(drift),
                static_cast<long long>(t.worstLateMs));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int ticks = argc > 1 ? std::max(1, std::atoi(argv[1])) : 120;

    Tfrm_test runner;
    QTimer coarse;
    coarse.setTimerType(Qt::CoarseTimer);
    coarse.setInterval(runner.Timer1->interval());

    Track precise{"runner Timer1 (precise)"};
    Track baseline{"coarse baseline"};
    QElapsedTimer clock;
    const int period = runner.Timer1->interval();

    QObject::connect(runner.Timer1, &QTimer::timeout, &app, [&] {
        record(precise, clock, period);
        if (precise.ticks == ticks)
            runner.Timer1->stop();
    });
    QObject::connect(&coarse, &QTimer::timeout, &app, [&] {
        record(baseline, clock, period);
        if (baseline.ticks == ticks)
            coarse.stop();
    });
    QTimer done;
    QObject::connect(&done, &QTimer::timeout, &app, [&] {
        if (!runner.Timer1->isActive() && !coarse.isActive())
            app.quit();
    });
    done.start(50);

    clock.start();
    runner.Timer1->start();
    coarse.start();
    app.exec();

    std::printf("period %d ms, %d ticks (type %s)\n", period, ticks,
                runner.Timer1->timerType() == Qt::PreciseTimer ? "precise" : "other");
    print(precise, period);
    print(baseline, period);
    const qint64 drift = precise.lastMs - qint64(precise.ticks) * period;
    const bool ok = std::llabs(drift) < 100;
    std::printf("runner drift under 100 ms: %s\n", ok ? "yes" : "NO");
    return ok ? 0 : 1;
}
