// A project save through its working file, on the local disk.
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

void saveProjectFile(benchmark::State& state) {
    QTemporaryDir dir(QDir::currentPath() + QStringLiteral("/chromanick-bench-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("Bob.nkp"));
    const ProjectSnapshot snapshot = fullSnapshot();
    for (auto _ : state) {
        QString error;
        if (!saveProject(path, snapshot, &error)) {
            state.SkipWithError(error.toStdString().c_str());
            break;
        }
    }
}

BENCHMARK(saveProjectFile)->Name("saveProject")->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
