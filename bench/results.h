#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

namespace chromanick::bench {

// One quantity over the repetitions of a benchmark: the median, which is
// judged, and the spread around it.
struct Spread {
    double median = 0;
    double min = 0;
    double max = 0;
};

// Keeps every repetition of a run while the console shows the library's
// aggregates (mean, median, deviation) per benchmark name.
class CollectingReporter : public benchmark::ConsoleReporter {
public:
    void ReportRuns(const std::vector<Run>& runs) override;

    // A benchmark named "Family" or "Family/argument"; `found` is false when
    // it did not run (filtered out, or failed: then `failed` is set).
    struct Figure {
        bool found = false;
        bool failed = false;
        int repetitions = 0;
        Spread wall;                             // seconds per iteration
        Spread cpu;                              // processor seconds per iteration
        std::map<std::string, Spread> counters;  // per iteration
    };
    Figure figure(const std::string& name) const;

private:
    struct Sample {
        double wall;
        double cpu;
        std::map<std::string, double> counters;
    };
    std::map<std::string, std::vector<Sample>> samples_;
    std::map<std::string, bool> failed_;
};

}  // namespace chromanick::bench
