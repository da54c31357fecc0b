// Whole-process start-up of the program against a bare Qt Widgets program
// holding the same controls: wall time and peak resident memory of each
// child, through the launcher.
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

enum class Program { App, EmptyWindow, SameControls };

// The controls of the program's windows once started, as the program itself
// lists them (app_startup.cpp), written to `file`.
bool writeInventory(const QString& file) {
    const QTemporaryDir settings;
    QProcess start;
    start.start(siblingProgram("chromanick_bench_start"),
                {settings.path(), QStringLiteral("--inventaire"), file});
    return start.waitForFinished(90'000) && start.exitStatus() == QProcess::NormalExit &&
           start.exitCode() == 0;
}

void startUp(benchmark::State& state, Program program) {
    const QString path = siblingProgram(program == Program::App ? "chromanick_bench_start"
                                                                : "chromanick_bench_bare");
    if (!QFileInfo(path).isExecutable()) {
        state.SkipWithError((path + QStringLiteral(" absent")).toStdString().c_str());
        return;
    }
    // The program's settings folder, kept from one start to the next as a
    // user's is; the bare programs take the inventory or nothing.
    const QTemporaryDir settings;
    QStringList arguments{path};
    if (program == Program::App) arguments.append(settings.path());
    if (program == Program::SameControls) {
        const QString file = settings.filePath(QStringLiteral("inventaire"));
        if (!writeInventory(file)) {
            state.SkipWithError("l'inventaire des widgets n'a pas été écrit");
            return;
        }
        arguments.append(file);
    }
    double peakKiB = 0;
    for (auto _ : state) {
        QProcess launcher;
        launcher.start(siblingProgram("chromanick_bench_launch"), arguments);
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

// About twenty starts per repetition.
BENCHMARK_CAPTURE(startUp, bare, Program::EmptyWindow)
    ->Name("Demarrage/Qt_nu")
    ->UseManualTime()
    ->MinTime(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startUp, sameControls, Program::SameControls)
    ->Name("Demarrage/Qt_nu_inventaire")
    ->UseManualTime()
    ->MinTime(1)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startUp, app, Program::App)
    ->Name("Demarrage/Chromanick")
    ->UseManualTime()
    ->MinTime(1)
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
