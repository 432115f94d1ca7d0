// The analysis of a run of 100,000 Elements: with 1 % mistakes (omitted,
// inserted, swapped, wrong, blank in turn at fixed places) among Elements
// all told apart, and among two-digit numbers (00 to 99, as numbers are
// trained, where chance matches abound); and a run where no answer
// matches, at 10,000 and at 100,000 Elements. Each against the least any
// analysis does: every text of the run read once (its hash). The run
// where nothing matches must grow in step with its length, not with its
// square.

#include "bench/ratios.h"
#include "results/analysis.h"

#include <QHash>
#include <QStringList>

#include <random>

namespace {

struct Run
{
    QStringList elements;
    QStringList answers;
};

Run withMistakes(int n, bool digits)
{
    Run run;
    std::mt19937 random(20261208);
    for (int k = 0; k < n; ++k) {
        if (digits) {
            const int v = int(random() % 100);
            run.elements.append(QString::number(v / 10) + QString::number(v % 10));
        } else {
            run.elements.append(QStringLiteral("word") + QString::number(k));
        }
    }
    run.answers = run.elements;
    // 1 % of the Elements, every 100th from a random start, the kinds in turn.
    int kind = 0;
    for (int k = n - 100 + int(random() % 50); k > 0; k -= 100, ++kind) {
        switch (kind % 5) {
        case 0:
            run.answers.removeAt(k);
            run.answers.append(QString());
            break;
        case 1:
            run.answers.insert(k, QStringLiteral("extra"));
            run.answers.removeLast();
            break;
        case 2:
            std::swap(run.answers[k], run.answers[k + 1]);
            break;
        case 3:
            run.answers[k] = QStringLiteral("wrong");
            break;
        default:
            run.answers[k].clear();
            break;
        }
    }
    return run;
}

Run nothingMatches(int n)
{
    Run run;
    for (int k = 0; k < n; ++k) {
        run.elements.append(QString::number(k));
        run.answers.append(QStringLiteral("x") + QString::number(k));
    }
    return run;
}

void analyse(benchmark::State &state, const Run &run)
{
    for (auto _ : state) {
        const Analysis::Result result = Analysis::Analyse(run.elements, run.answers);
        benchmark::DoNotOptimize(result.rightInOrder);
    }
}

void hashOnce(benchmark::State &state, const Run &run)
{
    for (auto _ : state) {
        size_t sum = 0;
        for (const QString &text : run.elements)
            sum += qHash(text);
        for (const QString &text : run.answers)
            sum += qHash(text);
        benchmark::DoNotOptimize(sum);
    }
}

const Run &words()
{
    static const Run run = withMistakes(100000, false);
    return run;
}
const Run &digits()
{
    static const Run run = withMistakes(100000, true);
    return run;
}
const Run &none10k()
{
    static const Run run = nothingMatches(10000);
    return run;
}
const Run &none100k()
{
    static const Run run = nothingMatches(100000);
    return run;
}

void BM_HashWords(benchmark::State &state) { hashOnce(state, words()); }
void BM_AnalyseWords(benchmark::State &state) { analyse(state, words()); }
void BM_HashDigits(benchmark::State &state) { hashOnce(state, digits()); }
void BM_AnalyseDigits(benchmark::State &state) { analyse(state, digits()); }
void BM_HashNothingMatches(benchmark::State &state) { hashOnce(state, none100k()); }
void BM_AnalyseNothingMatches10k(benchmark::State &state) { analyse(state, none10k()); }
void BM_AnalyseNothingMatches100k(benchmark::State &state) { analyse(state, none100k()); }

} // namespace

BENCHMARK(BM_HashWords)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AnalyseWords)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_HashDigits)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AnalyseDigits)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_HashNothingMatches)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AnalyseNothingMatches10k)->Unit(benchmark::kMillisecond)->MinTime(1.0);
BENCHMARK(BM_AnalyseNothingMatches100k)->Unit(benchmark::kMillisecond)->MinTime(1.0);

// Hashing is the floor; the bounds leave room for the alignment's own
// work (about 2, 3 and 21 times the floor on the machine it was written
// on), and the run where nothing matches stays within the band's cost,
// which grows with the run's length.
int main(int argc, char **argv)
{
    const Analysis::Result check = Analysis::Analyse(words().elements, words().answers);
    std::printf("100000 Elements, %d mistakes found: %s\n", check.Mistakes(),
                qPrintable(Analysis::Summary(check).left(120)));

    RatioReporter reporter;
    RunWithRatios(argc, argv, reporter);
    bool ok = reporter.Ratio("analyse 1e5, 1 % mistakes / hash its texts", "BM_AnalyseWords/min_time:1.000",
                             "BM_HashWords/min_time:1.000", 15.0);
    ok = reporter.Ratio("analyse 1e5 two-digit numbers, 1 % mistakes / hash", "BM_AnalyseDigits/min_time:1.000",
                        "BM_HashDigits/min_time:1.000", 25.0)
         && ok;
    ok = reporter.Ratio("analyse 1e5, nothing matches / hash its texts", "BM_AnalyseNothingMatches100k/min_time:1.000",
                        "BM_HashNothingMatches/min_time:1.000", 50.0)
         && ok;
    ok = reporter.Ratio("nothing matches: 1e5 / 1e4 (linear: 10)", "BM_AnalyseNothingMatches100k/min_time:1.000",
                        "BM_AnalyseNothingMatches10k/min_time:1.000", 15.0)
         && ok;
    return ok ? 0 : 1;
}
