#pragma once

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <utility>
#include <vector>

// Prints the usual table, then each measured figure as a multiple of its floor.
class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Pairs of benchmark names: measured, floor.
    explicit RatioReporter(std::vector<std::pair<std::string, std::string>> pairs) : pairs_(std::move(pairs)) {}

    void ReportRuns(const std::vector<Run>& runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (!run.error_occurred)
                seconds_[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
    }
    void Finalize() override
    {
        ConsoleReporter::Finalize();
        for (const auto& [measured, floor] : pairs_) {
            const auto m = seconds_.find(measured), f = seconds_.find(floor);
            if (m != seconds_.end() && f != seconds_.end() && f->second > 0)
                std::printf("%-28s %8.1f x %s\n", measured.c_str(), m->second / f->second, floor.c_str());
        }
    }

private:
    std::vector<std::pair<std::string, std::string>> pairs_;
    std::map<std::string, double> seconds_;
};
