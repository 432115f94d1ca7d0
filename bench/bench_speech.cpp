// Rendering the voice of a spoken Training before it starts: a run of 100
// Elements (four-digit numbers; words) with the real voice, each from a
// new speaker, so that nothing is kept from the repetition before. The run
// waits for this, behind a progress window, so it must stay short: at most
// 5 s for 100 Elements on this machine. Needs no sound server.

#include "bench/ratios.h"
#include "platform/speech.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

QStringList run(bool words)
{
    static const char *const Words[] = {"house",  "tree",   "planet", "river",  "window",
                                        "garden", "candle", "mirror", "bottle", "engine"};
    QStringList texts;
    for (int i = 0; i < 100; ++i)
        texts << (words ? QString::fromLatin1(Words[i % 10]) + QString::number(i / 10)
                        : QString::number(1000 + (i * 7919) % 9000));
    return texts;
}

void BM_RenderRun(benchmark::State &state)
{
    const QStringList texts = run(state.range(0) == 1);
    for (auto _ : state) {
        const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
        QSignalSpy prepared(speaker.get(), &Speech::Speaker::prepared);
        QSignalSpy failed(speaker.get(), &Speech::Speaker::failed);
        speaker->prepare(texts);
        while (prepared.isEmpty() && failed.isEmpty())
            prepared.wait(10000);
        if (!failed.isEmpty()) {
            state.SkipWithError(qPrintable(failed.first().first().toString()));
            return;
        }
    }
    state.counters["Elements"] = double(texts.size());
}
BENCHMARK(BM_RenderRun)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!Speech::Built()) {
        std::printf("built without speech: nothing to measure\n");
        return 0;
    }
    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = true;
    for (const char *name : {"BM_RenderRun/0/iterations:3/real_time", "BM_RenderRun/1/iterations:3/real_time"}) {
        const double seconds = reporter.seconds(name);
        const bool fast = seconds > 0 && seconds < 5.0;
        std::printf("%s: 100 Elements rendered in %.3f s (bound 5 s) %s\n", name, seconds, fast ? "ok" : "EXCEEDED");
        ok = ok && fast;
    }
    return ok ? 0 : 1;
}
