// Rendering the voice of a spoken Training before it starts: a run of 100
// Elements (four-digit numbers; words) with the real voice, each from a
// new speaker, so that nothing is kept from the repetition before. The run
// waits for this, behind a progress window, so it must stay short. The
// baseline, in the same run, is the voice's own work for the same words:
// the 100 texts joined into one and rendered as one clip by a new speaker.
// Rendering them one by one may cost at most 5 times that: each text's
// clip has its own start and end, which a short number feels most (3.3
// times the one clip for the numbers, 1.5 for the words). Needs no sound
// server.
//
// Before it, every number from 0 to 9999 is rendered, as it is and digit
// by digit, and each clip checked for speech of a sane length (the unit
// test renders a sample of them).

#include "bench/ratios.h"
#include "platform/speech.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

namespace {

constexpr double RunRatioBound = 5.0;

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
    // Argument 2 and 3: the same texts as one clip, the baseline.
    const QStringList separate = run(state.range(0) % 2 == 1);
    const QStringList texts = state.range(0) >= 2 ? QStringList{separate.join(QLatin1Char(' '))} : separate;
    for (auto _ : state) {
        const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
        QSignalSpy prepared(speaker.get(), &Speech::Speaker::Prepared);
        QSignalSpy failed(speaker.get(), &Speech::Speaker::Failed);
        speaker->Prepare(texts);
        while (prepared.isEmpty() && failed.isEmpty())
            prepared.wait(10000);
        if (!failed.isEmpty()) {
            state.SkipWithError(qPrintable(failed.first().first().toString()));
            return;
        }
    }
    state.counters["Elements"] = double(separate.size());
}
BENCHMARK(BM_RenderRun)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// Renders the texts; empty when each gave a clip of speech of a sane
// length (a short syllable at least, about a second a character at most),
// else the first of those that did not.
QString renderAll(const QStringList &texts)
{
    const std::unique_ptr<Speech::Speaker> speaker = Speech::Create();
    QSignalSpy prepared(speaker.get(), &Speech::Speaker::Prepared);
    QSignalSpy failed(speaker.get(), &Speech::Speaker::Failed);
    QSignalSpy progress(speaker.get(), &Speech::Speaker::Progress);
    speaker->Prepare(texts);
    qsizetype rendered = -1;
    while (prepared.isEmpty() && failed.isEmpty()) {
        if (progress.size() == rendered)
            return QStringLiteral("no text rendered for a minute");
        rendered = progress.size();
        prepared.wait(60000);
    }
    if (!failed.isEmpty())
        return failed.first().first().toString();
    QStringList wrong;
    for (const QString &text : texts) {
        const qint64 ms = speaker->ClipMs(text);
        if (ms < 100 || ms > 500 + 1000 * text.size())
            wrong << QStringLiteral("%1: %2 ms").arg(text).arg(ms);
    }
    return wrong.mid(0, 10).join(QStringLiteral("; "));
}

bool sweepNumbers()
{
    QStringList numbers;
    QStringList digits;
    for (int n = 0; n <= 9999; ++n) {
        numbers << QString::number(n);
        digits << Speech::SpokenText(QString::number(n), true);
    }
    bool ok = true;
    for (const auto &[name, texts] : {std::pair{"0-9999", numbers}, std::pair{"0-9999 digit by digit", digits}}) {
        const QString wrong = renderAll(texts);
        std::printf("%s: %s\n", name, wrong.isEmpty() ? "every number rendered to speech" : qPrintable(wrong));
        ok = ok && wrong.isEmpty();
    }
    return ok;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!Speech::Built()) {
        std::printf("built without speech: nothing to measure\n");
        return 0;
    }
    bool ok = sweepNumbers();
    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    const auto name = [](int arg) { return "BM_RenderRun/" + std::to_string(arg) + "/iterations:3/real_time"; };
    ok = reporter.Ratio("100 numbers, one by one / as one clip", name(0), name(2), RunRatioBound) && ok;
    ok = reporter.Ratio("100 words, one by one / as one clip", name(1), name(3), RunRatioBound) && ok;
    return ok ? 0 : 1;
}
