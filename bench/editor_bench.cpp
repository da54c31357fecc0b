// A nickname change in the main editor: the key reaches Text1, the
// look-alike transform runs, the preview is refreshed and the window is
// repainted, with the real widgets drawn offscreen.
#include "sampletext.h"
#include "typing.h"

#include "ui/application.h"
#include "ui/mainmodel.h"
#include "ui/mainwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

void nicknameChange(benchmark::State& state) {
    useClassicFont();  // as the program does
    QtPlatform platform;
    MainEditorModel model(platform);
    MainWindow window(model, platform);
    window.show();
    model.setSpecialChars(true);
    model.setNickname(sampleNickname(int(state.range(0))));
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    text1->setFocus();
    text1->end(false);
    QApplication::processEvents();
    bool letter = false;
    for (auto _ : state) {
        typeAlternately(text1, letter);
        letter = !letter;
    }
    if (!model.specialChars() || model.nickname().size() < state.range(0) - 1)
        state.SkipWithError("la saisie n'a pas atteint l'éditeur");
}

BENCHMARK(nicknameChange)
    ->Name("Text1_Change")
    ->Arg(50)
    ->Arg(10000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
