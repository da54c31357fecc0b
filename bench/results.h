#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace chromanick::bench {

// Keeps every figure of a run while the console shows the usual output:
// seconds per iteration and the user counters, per benchmark name.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // Median over the repetitions of a benchmark, named "Family" or
    // "Family/argument"; `found` is false when it did not run (filtered out
    // or failed).
    struct Figure {
        bool found = false;
        double seconds = 0;                      // wall time per iteration
        double cpuSeconds = 0;                   // processor time per iteration
        std::map<std::string, double> counters;  // averaged per iteration
    };
    Figure figure(const std::string& name) const;

private:
    struct Sample {
        double seconds;
        double cpuSeconds;
        std::map<std::string, double> counters;
    };
    std::map<std::string, std::vector<Sample>> samples_;
    std::map<std::string, std::vector<Sample>> medians_;
};

}  // namespace chromanick::bench
