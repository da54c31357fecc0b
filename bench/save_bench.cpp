// A project save through its working file, on the local disk, against the
// bare write of the same bytes; a project with a long nickname read back.
#include "storage/projectfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <fcntl.h>
#include <unistd.h>

namespace chromanick::bench {

namespace {

// The heaviest save: both custom colours and the coloured word "Dit", so
// every line of the working file is written.
ProjectSnapshot fullSnapshot() {
    ProjectSnapshot p;
    NickSettings& s = p.settings;
    s.Nickname = QStringLiteral("Bob l'Éponge");
    s.ForegroundOption = kCustomForegroundOption;
    s.BackgroundOption = kCustomBackgroundOption;
    s.CustomForeground = 0x00102030;
    s.CustomBackground = 0x00405060;
    s.DitColourOn = true;
    s.DitColour = 0x00708090;
    s.Bold = s.Italic = true;
    p.combo1Index = 3;
    p.combo2Index = 4;
    return p;
}

// Saves `snapshot` once per iteration, into a fresh folder.
void saveEachIteration(benchmark::State& state, const ProjectSnapshot& snapshot) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/chromanick-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Bob.nkp"));
    for (auto _ : state) {
        QString error;
        if (!saveProject(path, snapshot, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
}

void saveProjectFile(benchmark::State& state) {
    saveEachIteration(state, fullSnapshot());
}

// A nickname of `length` characters (Windows-1252 text; the stress tests
// check that it comes back whole).
ProjectSnapshot longSnapshot(int length) {
    ProjectSnapshot p = fullSnapshot();
    QString nickname;
    const QString alphabet = QStringLiteral("Tiwakan é€¨°o.O, \"x\" ");
    while (nickname.size() < length) nickname += alphabet;
    nickname.truncate(length);
    p.settings.Nickname = nickname;
    return p;
}

void saveLongProject(benchmark::State& state) {
    saveEachIteration(state, longSnapshot(1'000'000));
}

// The yardstick of a save: the bytes the save writes, written with no
// program code at all into a new file beside the target, flushed to the
// disk and renamed over it before it is closed, as a safe replacement does.
void writeBare(benchmark::State& state, const ProjectSnapshot& snapshot) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/chromanick-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Bob.nkp"));
    QFile saved(path);
    if (!saveProject(path, snapshot) || !saved.open(QIODevice::ReadOnly)) {
        state.SkipWithError("le projet n'a pas pu être écrit");
        return;
    }
    const QByteArray bytes = saved.readAll();
    const QByteArray target = QFile::encodeName(path);
    const QByteArray working = target + ".tmp";
    for (auto _ : state) {
        const int fd = ::open(working.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        const bool written =
            fd >= 0 && ::write(fd, bytes.constData(), bytes.size()) == bytes.size() &&
            ::fdatasync(fd) == 0 && ::rename(working.constData(), target.constData()) == 0;
        if (fd >= 0) ::close(fd);
        if (!written) {
            state.SkipWithError("l'écriture nue a échoué");
            break;
        }
    }
}

void writeBareProject(benchmark::State& state) {
    writeBare(state, fullSnapshot());
}

void writeBareLongProject(benchmark::State& state) {
    writeBare(state, longSnapshot(1'000'000));
}

// Read back and checked as the open command does.
void openLongProject(benchmark::State& state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/chromanick-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("long.nkp"));
    const int length = int(state.range(0));
    if (!saveProject(path, longSnapshot(length))) {
        state.SkipWithError("le projet n'a pas pu être écrit");
        return;
    }
    for (auto _ : state) {
        const auto project = readProject(path, 56, 56);
        if (!project || project->Nickname.size() != length) {
            state.SkipWithError("le projet relu n'est pas entier");
            break;
        }
    }
}

BENCHMARK(saveProjectFile)->Name("saveProject")->Unit(benchmark::kMillisecond);
BENCHMARK(writeBareProject)->Name("Ecriture_nue")->Unit(benchmark::kMillisecond);
BENCHMARK(saveLongProject)->Name("saveProject_1M")->Unit(benchmark::kMillisecond);
BENCHMARK(writeBareLongProject)->Name("Ecriture_nue_1M")->Unit(benchmark::kMillisecond);
BENCHMARK(openLongProject)
    ->Name("openProject")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
