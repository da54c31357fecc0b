// Whole-process start-up of the program against a bare Qt Widgets program:
// wall time and peak resident memory of each child, through the launcher.
#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

QString siblingProgram(const char* name) {
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + QLatin1String(name);
}

// `argument` replaces the settings folder for the programs that take none.
void startUp(benchmark::State& state, const char* program, const char* argument = nullptr) {
    const QString path = siblingProgram(program);
    if (!QFileInfo(path).isExecutable()) {
        state.SkipWithError((path + QStringLiteral(" absent")).toStdString().c_str());
        return;
    }
    // The program's settings folder, kept from one start to the next as a
    // user's is.
    const QTemporaryDir settings;
    double peakKiB = 0;
    for (auto _ : state) {
        QProcess launcher;
        launcher.start(siblingProgram("chromanick_bench_launch"),
                       {path, argument ? QString::fromLatin1(argument) : settings.path()});
        launcher.waitForFinished(90'000);  // the launcher ends a hung child at 60 s
        const QList<QByteArray> fields = launcher.readAllStandardOutput().simplified().split(' ');
        if (fields.size() != 3 || fields[2] != "0") {
            state.SkipWithError("le programme mesuré a échoué");
            return;
        }
        state.SetIterationTime(fields[0].toDouble());
        peakKiB += fields[1].toDouble();
    }
    state.counters["rss_max_kio"] = benchmark::Counter(peakKiB, benchmark::Counter::kAvgIterations);
}

BENCHMARK_CAPTURE(startUp, bare, "chromanick_bench_bare")
    ->Name("Demarrage/Qt_nu")
    ->UseManualTime()
    ->MinTime(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startUp, bareWithText, "chromanick_bench_bare", "texte")
    ->Name("Demarrage/Qt_nu_texte")
    ->UseManualTime()
    ->MinTime(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startUp, app, "chromanick_bench_start")
    ->Name("Demarrage/Chromanick")
    ->UseManualTime()
    ->MinTime(2)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
