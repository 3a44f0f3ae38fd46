#pragma once

// The console report of Google Benchmark that also keeps each benchmark's
// real time per iteration, so that a benchmark can print its ratios to a
// peer or a baseline at the end.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace lendora::bench {

class SecondsReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs)
            // Of repetitions, the median stands for them (it comes last but the spreads).
            if (run.run_type == Run::RT_Iteration || run.aggregate_name == "median")
                seconds_[run.run_name.function_name] =
                    run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit);
    }
    // The seconds of the benchmark function of that name; 0 when it did not run.
    double seconds(const std::string& function) const {
        const auto found = seconds_.find(function);
        return found == seconds_.end() ? 0 : found->second;
    }

private:
    std::map<std::string, double> seconds_;
};

} // namespace lendora::bench
