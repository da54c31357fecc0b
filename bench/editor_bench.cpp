// A nickname change in the main editor: the key reaches Text1, the
// look-alike transform runs, the preview is refreshed and the window is
// repainted, with the real widgets drawn offscreen.
#include "barewidgets.h"
#include "sampletext.h"
#include "typing.h"

#include "ui/app/application.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/qtplatform.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>

#include <benchmark/benchmark.h>

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

// The yardstick of the figure above: the main editor's bare copy
// (barewidgets.h), its Label5 showing what its Text1 holds.
void bareLineEdit(benchmark::State& state) {
    useClassicFont();
    BareMainEditor bare(sampleNickname(int(state.range(0))), true);
    QObject::connect(bare.text1, &QLineEdit::textEdited, bare.label5, &QLabel::setText);
    bare.windows->show();
    typeAtEndEachIteration(state, bare.text1);
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

// Its yardstick: the main editor's bare copy made and shown, its two
// drop-downs filled with the same entries, the first one opened as wide as
// its widest entry, as the program's are, with Qt's own measure of them.
void bareLargeLists(benchmark::State& state) {
    useClassicFont();
    QStringList prefixes;
    QStringList suffixes;
    for (int i = 0; i < 100000; ++i) {
        prefixes.append(QStringLiteral("-=%1=-").arg(i));
        suffixes.append(QStringLiteral("°¨%1¨°").arg(i));
    }
    const Inventory inventory = mainEditorInventory();
    for (auto _ : state) {
        BareWindows bare(inventory);
        auto* combo1 = bare.find<QComboBox>(QStringLiteral("Combo1"));
        auto* combo2 = bare.find<QComboBox>(QStringLiteral("Combo2"));
        bare.show();
        combo1->addItems(prefixes);
        combo2->addItems(suffixes);
        QAbstractItemView* list = combo1->view();
        list->setMinimumWidth(list->sizeHintForColumn(0) +
                              list->verticalScrollBar()->sizeHint().width() + 4);
        combo1->showPopup();
        QCoreApplication::processEvents();
        combo1->hidePopup();
    }
}

BENCHMARK(fillLargeLists)
    ->Name("Listes_100000")
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareLargeLists)
    ->Name("Qt_nu_listes_100000")
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
    ->Arg(50)
    ->Arg(10000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
