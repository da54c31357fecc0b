#include "results.h"

#include <algorithm>

namespace chromanick::bench {

namespace {

Spread spreadOf(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

}  // namespace

void CollectingReporter::ReportRuns(const std::vector<Run>& runs) {
    // The console shows a repeated benchmark's aggregates only.
    std::vector<Run> shown;
    for (const Run& run : runs)
        if (run.run_type == Run::RT_Aggregate || run.repetitions <= 1) shown.push_back(run);
    if (!shown.empty()) ConsoleReporter::ReportRuns(shown);
    for (const Run& run : runs) {
        if (run.run_type != Run::RT_Iteration) continue;
        // Named without the run options (manual time, repetitions...).
        std::string name = run.run_name.function_name;
        if (!run.run_name.args.empty()) name += "/" + run.run_name.args;
        if (run.error_occurred || run.iterations == 0) {
            failed_[name] = true;
            continue;
        }
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        Sample sample{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit, {}};
        for (const auto& [counter, value] : run.counters) sample.counters[counter] = value.value;
        samples_[name].push_back(std::move(sample));
    }
}

CollectingReporter::Figure CollectingReporter::figure(const std::string& name) const {
    if (failed_.count(name)) {
        Figure failed;
        failed.failed = true;
        return failed;
    }
    const auto it = samples_.find(name);
    if (it == samples_.end() || it->second.empty()) return {};
    std::vector<double> wall, cpu;
    std::map<std::string, std::vector<double>> counters;
    for (const Sample& s : it->second) {
        wall.push_back(s.wall);
        cpu.push_back(s.cpu);
        for (const auto& [counter, value] : s.counters) counters[counter].push_back(value);
    }
    Figure f;
    f.found = true;
    f.repetitions = int(it->second.size());
    f.wall = spreadOf(wall);
    f.cpu = spreadOf(cpu);
    for (auto& [counter, values] : counters) f.counters[counter] = spreadOf(values);
    return f;
}

}  // namespace chromanick::bench
