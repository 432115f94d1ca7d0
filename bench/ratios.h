#pragma once

// Runs the registered benchmarks with the console reporter and keeps each
// one's real time per iteration, so that a program can print ratios between
// benchmarks measured in the same run. Of a benchmark's repetitions the
// fastest is kept: other programs on the machine can only make a repetition
// slower.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

class RatioReporter : public benchmark::ConsoleReporter
{
public:
    RatioReporter()
        : ConsoleReporter(OO_None)
    {
    }

    void ReportRuns(const std::vector<Run> &runs) override
    {
        for (const Run &run : runs) {
            if (run.run_type != Run::RT_Iteration || run.iterations == 0 || run.error_occurred)
                continue;
            const double seconds = run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
            const auto it = m_seconds.find(run.benchmark_name());
            if (it == m_seconds.end() || seconds < it->second)
                m_seconds[run.benchmark_name()] = seconds;
        }
        ConsoleReporter::ReportRuns(runs);
    }

    // Seconds per iteration of a benchmark (by its full name), or -1.
    double Seconds(const std::string &name) const
    {
        const auto it = m_seconds.find(name);
        return it == m_seconds.end() ? -1.0 : it->second;
    }

    // Prints "label: a / b = ratio (bound)" and returns whether it holds.
    bool Ratio(const char *label, const std::string &a, const std::string &b, double bound) const
    {
        const double x = Seconds(a);
        const double y = Seconds(b);
        if (x < 0 || y <= 0) {
            std::printf("%s: missing measurement\n", label);
            return false;
        }
        const double r = x / y;
        const bool ok = r <= bound;
        std::printf("%-58s %10.3f ms / %10.3f ms = %6.3f  (bound %.3f) %s\n", label, x * 1e3, y * 1e3, r, bound,
                    ok ? "ok" : "EXCEEDED");
        return ok;
    }

private:
    std::map<std::string, double> m_seconds;
};

// benchmark's own flags, then the run; returns the reporter's results.
inline void RunWithRatios(int argc, char **argv, RatioReporter &reporter)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
}
