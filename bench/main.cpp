// Runs every benchmark, then prints each figure beside its target.
// Google Benchmark's own options apply (--benchmark_filter=...,
// --benchmark_repetitions=N, --benchmark_out=file.json ...).
#include "results.h"
#include "targets.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <malloc.h>

namespace {

// The offscreen platform warns at every window shown that it cannot pass
// size hints on; that says nothing about the figures.
QtMessageHandler previousHandler = nullptr;

void quietHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.contains(QLatin1String("propagateSizeHints"))) return;
    previousHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // The C library keeps the memory freed during the run instead of giving
    // it back to the system: otherwise, whether a large free (the layout of
    // a million-character code) also returns the top of the heap, some
    // milliseconds of the kernel's, depends on what else the heap holds at
    // that moment, which differs between a figure and its yardstick.
    mallopt(M_MMAP_THRESHOLD, 32 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    // Real widgets, drawn offscreen; the start-up children get the same.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    previousHandler = qInstallMessageHandler(quietHandler);
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 2;
    chromanick::bench::CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return chromanick::bench::printTargetTable(reporter) == 0 ? 0 : 1;
}
