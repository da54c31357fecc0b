// A project save through its working file, on the local disk; a project
// with a million-character nickname saved and opened.
#include "storage/projectfile.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

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

// A nickname of a million characters, saved then read back and checked as
// the open command does (the stress tests check that it comes back whole).
ProjectSnapshot longSnapshot() {
    ProjectSnapshot p = fullSnapshot();
    QString nickname;
    const QString alphabet = QStringLiteral("Tiwakan é€¨°o.O, \"x\" ");
    while (nickname.size() < 1000000) nickname += alphabet;
    nickname.truncate(1000000);
    p.settings.Nickname = nickname;
    return p;
}

void saveLongProject(benchmark::State& state) {
    saveEachIteration(state, longSnapshot());
}

void openLongProject(benchmark::State& state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/chromanick-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("long.nkp"));
    if (!saveProject(path, longSnapshot())) {
        state.SkipWithError("le projet n'a pas pu être écrit");
        return;
    }
    for (auto _ : state) {
        const auto project = readProject(path, 56, 56);
        if (!project || project->Nickname.size() != 1000000) {
            state.SkipWithError("le projet relu n'est pas entier");
            break;
        }
    }
}

BENCHMARK(saveProjectFile)->Name("saveProject")->Unit(benchmark::kMillisecond);
BENCHMARK(saveLongProject)->Name("saveProject_1M")->Unit(benchmark::kMillisecond);
BENCHMARK(openLongProject)->Name("openProject_1M")->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
