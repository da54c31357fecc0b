// A nickname change in the gradient window: the key reaches Text1, the
// nickname is split again, the 37 preview rows (185 labels) are refilled and
// laid out, and the window is repainted offscreen; the same with the smooth
// gradient on, whose 37 rows are drawn group by group.
#include "sampletext.h"
#include "typing.h"

#include "gradient/gradient.h"
#include "ui/app/application.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QLineEdit>

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

// With the smooth gradient on, the rows are drawn group by group instead.
void typeIntoGradientWindow(benchmark::State& state, bool smooth) {
    useClassicFont();  // as the program does
    QtPlatform platform;
    GradientEditorModel model(platform);
    GradientWindow window(model);
    window.show();
    model.setSmoothEnabled(smooth);
    model.setNickname(sampleNickname(int(state.range(0))));
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    typeAtEndEachIteration(state, text1);
    if (model.nickname().size() < state.range(0) - 1)
        state.SkipWithError("la saisie n'a pas atteint l'éditeur");
}

void gradientNicknameChange(benchmark::State& state) {
    typeIntoGradientWindow(state, false);
}

void smoothGradientNicknameChange(benchmark::State& state) {
    typeIntoGradientWindow(state, true);
}

BENCHMARK(gradientNicknameChange)
    ->Name("Degrade_Text1")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(smoothGradientNicknameChange)
    ->Name("Degrade_fluide_Text1")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
