#include "results.h"

#include <algorithm>

namespace chromanick::bench {

namespace {

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

}  // namespace

void CollectingReporter::ReportRuns(const std::vector<Run>& runs) {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) {
        const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
        if ((run.run_type != Run::RT_Iteration && !median) || run.error_occurred ||
            run.iterations == 0)
            continue;
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        Sample sample{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit, {}};
        for (const auto& [name, counter] : run.counters) sample.counters[name] = counter.value;
        // Named without the run options (manual time, repetitions...).
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        (median ? medians_ : samples_)[name].push_back(std::move(sample));
    }
}

CollectingReporter::Figure CollectingReporter::figure(const std::string& name) const {
    // The library's own median over repetitions when it made one.
    auto it = medians_.find(name);
    if (it == medians_.end()) it = samples_.find(name);
    if (it == samples_.end() || it->second.empty()) return {};
    Figure f;
    f.found = true;
    std::vector<double> seconds, cpuSeconds;
    std::map<std::string, std::vector<double>> counters;
    for (const Sample& s : it->second) {
        seconds.push_back(s.seconds);
        cpuSeconds.push_back(s.cpuSeconds);
        for (const auto& [counter, value] : s.counters) counters[counter].push_back(value);
    }
    f.seconds = median(seconds);
    f.cpuSeconds = median(cpuSeconds);
    for (auto& [counter, values] : counters) f.counters[counter] = median(values);
    return f;
}

}  // namespace chromanick::bench
