// Prints the usual benchmark table, remembers each benchmark's time, and then
// prints the ratios the targets are stated in ("load / bare read: 1.3x").
#pragma once
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

class RatioReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override
    {
        for (const Run& run : runs) {
            if (run.run_type == Run::RT_Iteration && !run.error_occurred)
                m_times[run.run_name.function_name] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }

    void PrintRatio(const char* what, const char* measured, const char* baseline, const char* target) const
    {
        auto a = m_times.find(measured);
        auto b = m_times.find(baseline);
        if (a == m_times.end() || b == m_times.end() || b->second <= 0)
            return;
        std::printf("%-48s %6.2fx (target: %s)\n", what, a->second / b->second, target);
    }

private:
    std::map<std::string, double> m_times;
};
