// Runs every benchmark, then prints each figure beside its target.
// Google Benchmark's own options apply (--benchmark_filter=...,
// --benchmark_repetitions=N, --benchmark_out=file.json ...).
#include "results.h"
#include "targets.h"

#include <QApplication>

#include <benchmark/benchmark.h>

int main(int argc, char** argv) {
    // Real widgets, drawn offscreen; the start-up children get the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    chromanick::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return chromanick::bench::printTargetTable(reporter) == 0 ? 0 : 1;
}
