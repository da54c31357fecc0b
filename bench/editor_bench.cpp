// A nickname change in the main editor: the key reaches Text1, the
// look-alike transform runs, the preview is refreshed and the window is
// repainted, with the real widgets drawn offscreen.
#include "sampletext.h"
#include "typing.h"

#include "ui/app/application.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <limits>

namespace chromanick::bench {

namespace {

void nicknameChange(benchmark::State& state) {
    useClassicFont();  // as the program does
    QtPlatform platform;
    MainEditorModel model(platform);
    MainWindow window(model);
    window.show();
    model.setLookalike(true);
    model.setNickname(sampleNickname(int(state.range(0))));
    auto* text1 = window.findChild<QLineEdit*>(QStringLiteral("Text1"));
    typeAtEndEachIteration(state, text1);
    if (!model.lookalike() || model.nickname().size() < state.range(0) - 1)
        state.SkipWithError("la saisie n'a pas atteint l'éditeur");
}

// The yardstick of the figure above: a bare QLineEdit of Text1's size and a
// word-wrapped QLabel of Label5's size showing the same text, with no
// program code at all, in the same font.
void bareLineEdit(benchmark::State& state) {
    useClassicFont();
    QWidget window;
    window.resize(1018, 636);
    QLineEdit text1(&window);
    text1.setGeometry(224, 0, 545, 21);
    text1.setAlignment(Qt::AlignCenter);
    text1.setMaxLength(std::numeric_limits<int>::max());
    QLabel label5(&window);
    label5.setGeometry(6, 118, 213, 81);
    label5.setTextFormat(Qt::PlainText);
    label5.setAlignment(Qt::AlignCenter);
    label5.setWordWrap(true);
    QObject::connect(&text1, &QLineEdit::textEdited, &label5, &QLabel::setText);
    text1.setText(sampleNickname(int(state.range(0))));
    window.show();
    typeAtEndEachIteration(state, &text1);
}

// The splash hands the main editor 100,000 user decorations for each list;
// the shown window takes them and the drop-down opens on them.
void fillLargeLists(benchmark::State& state) {
    useClassicFont();
    QStringList prefixes;
    QStringList suffixes;
    for (int i = 0; i < 100000; ++i) {
        prefixes.append(QStringLiteral("-=%1=-").arg(i));
        suffixes.append(QStringLiteral("°¨%1¨°").arg(i));
    }
    for (auto _ : state) {
        QtPlatform platform;
        MainEditorModel model(platform);
        MainWindow window(model);
        window.show();
        model.fillDecorationLists(prefixes, suffixes);
        auto* combo1 = window.findChild<QComboBox*>(QStringLiteral("Combo1"));
        combo1->showPopup();
        QCoreApplication::processEvents();
        combo1->hidePopup();
        if (combo1->count() < 100000) state.SkipWithError("les listes n'ont pas été remplies");
    }
}

BENCHMARK(fillLargeLists)
    ->Name("Listes_100000")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(nicknameChange)
    ->Name("Text1_Change")
    ->Arg(50)
    ->Arg(10000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(bareLineEdit)
    ->Name("Qt_nu_QLineEdit")
    ->Arg(10000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
