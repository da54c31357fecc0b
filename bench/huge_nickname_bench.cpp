// Huge nicknames (100,000 and 1,000,000 characters) through the real
// windows, drawn offscreen: opening a project and "Générer le pseudo." in
// the main editor, the switch to the gradient editor and its generation, and
// a short code replacing a huge one in either editor.
// Each measured step ends once the window is repainted.
#include "barewidgets.h"
#include "sampletext.h"

#include "storage/projectfile.h"
#include "ui/app/application.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace chromanick::bench {

namespace {

// The worst case for the output box: not one blank to break a line at.
QString hugeNickname(int length) {
    return sampleNickname(length).replace(QLatin1Char(' '), QLatin1Char('_'));
}

// Outside the measure: a change that leaves the windows with a small text.
template <typename Step>
void untimed(benchmark::State& state, Step step) {
    state.PauseTiming();
    step();
    QApplication::processEvents();
    state.ResumeTiming();
}

void openHugeProject(benchmark::State& state) {
    useClassicFont();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("gros.nkp"));
    ProjectSnapshot snapshot;
    snapshot.settings.Nickname = hugeNickname(int(state.range(0)));
    snapshot.settings.Bold = true;
    if (!saveProject(path, snapshot)) state.SkipWithError("le projet n'a pas été écrit");
    QtPlatform platform;
    MainEditorModel model(platform);
    model.fillDecorationLists({}, {});
    MainWindow window(model);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        untimed(state, [&] { model.setNickname(QStringLiteral("x")); });
        model.openProjectFile(path);
        QApplication::processEvents();
    }
    if (model.nickname().size() != state.range(0))
        state.SkipWithError("le pseudo n'est pas entier");
}

void generateHugeNickname(benchmark::State& state) {
    useClassicFont();
    QtPlatform platform;
    MainEditorModel model(platform);
    model.fillDecorationLists({}, {});
    MainWindow window(model);
    window.show();
    model.setNickname(hugeNickname(int(state.range(0))));
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    QApplication::processEvents();
    bool bold = false;
    for (auto _ : state) {
        // Another style each time, so that every click brings a new code.
        untimed(state, [&] { model.setBold(bold = !bold); });
        generate->click();
        QApplication::processEvents();
    }
    if (model.output().size() <= state.range(0)) state.SkipWithError("le code n'est pas entier");
}

void switchAndGenerateInGradient(benchmark::State& state) {
    useClassicFont();
    QtPlatform platform;
    GradientEditorModel model(platform);
    GradientWindow window(model);
    window.show();
    const QString nickname = hugeNickname(int(state.range(0)));
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("cmdgenerer"));
    if (generate == nullptr) state.SkipWithError("pas de bouton cmdgenerer");
    QApplication::processEvents();
    for (auto _ : state) {
        untimed(state, [&] { model.setNickname(QStringLiteral("x")); });
        model.setNickname(nickname);
        QApplication::processEvents();
        generate->click();
        QApplication::processEvents();
    }
    if (model.output().size() <= state.range(0)) state.SkipWithError("le code n'est pas entier");
}

// Each round, outside the measure: the huge nickname, its code generated,
// then the short nickname; measured: generating the short one's code.
template <typename Huge, typename Short>
void generateShortAfterHuge(benchmark::State& state, QPushButton* generate, Huge huge,
                            Short shortOne) {
    QApplication::processEvents();
    for (auto _ : state) {
        untimed(state, [&] {
            huge();
            generate->click();
            QApplication::processEvents();
            shortOne();
        });
        generate->click();
        QApplication::processEvents();
    }
}

// "Générer le pseudo." for a short nickname right after a million-character
// code: replacing the code box's text costs what showing the new one does,
// whatever stood there before.
void shortAfterHugeInMain(benchmark::State& state) {
    useClassicFont();
    QtPlatform platform;
    MainEditorModel model(platform);
    model.fillDecorationLists({}, {});
    MainWindow window(model);
    window.show();
    const QString huge = hugeNickname(1'000'000);
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("Command1"));
    generateShortAfterHuge(
        state, generate, [&] { model.setNickname(huge); },
        [&] { model.setNickname(QStringLiteral("Bob")); });
    if (model.output().size() > 100) state.SkipWithError("le code n'est pas le court");
}

void shortAfterHugeInGradient(benchmark::State& state) {
    useClassicFont();
    QtPlatform platform;
    GradientEditorModel model(platform);
    GradientWindow window(model);
    window.show();
    const QString huge = hugeNickname(1'000'000);
    auto* generate = window.findChild<QPushButton*>(QStringLiteral("cmdgenerer"));
    if (generate == nullptr) state.SkipWithError("pas de bouton cmdgenerer");
    generateShortAfterHuge(
        state, generate,
        [&] {
            model.setNickname(huge);
            QApplication::processEvents();
        },
        [&] { model.setNickname(QStringLiteral("Bob")); });
    if (model.output().size() > 200) state.SkipWithError("le code n'est pas le court");
}

// The yardsticks: the windows' bare copies (barewidgets.h), given the same
// texts where the program puts them.

// Opening: the nickname into bare Text1 and Label5.
void bareHugeNickname(benchmark::State& state) {
    useClassicFont();
    const QString nickname = hugeNickname(int(state.range(0)));
    BareMainEditor bare(nickname, false);
    bare.windows->show();
    for (auto _ : state) {
        untimed(state, [&] {
            bare.text1->setText(QStringLiteral("x"));
            bare.label5->setText(QStringLiteral("x"));
        });
        bare.text1->setText(nickname);
        bare.label5->setText(nickname);
        QApplication::processEvents();
    }
}

// "Générer le pseudo.": the code into bare Text2, set as the box holds it.
void bareHugeCode(benchmark::State& state) {
    useClassicFont();
    BareMainEditor bare(hugeNickname(int(state.range(0))), false, true);
    bare.windows->show();
    QApplication::processEvents();
    for (auto _ : state) {
        bare.text2->setPlainText(bare.code);
        QApplication::processEvents();
    }
}

// The gradient window: the nickname into bare Text1, the labels given what
// the real ones showed, then the code into bare Text2.
void bareHugeGradient(benchmark::State& state) {
    useClassicFont();
    const QString nickname = hugeNickname(int(state.range(0)));
    BareGradientEditor bare(nickname, false, true);
    QList<QString> shown;
    for (const auto& row : bare.rows)
        for (QLabel* label : row) shown.append(label->text());
    bare.windows->show();
    for (auto _ : state) {
        untimed(state, [&] {
            bare.text1->setText(QStringLiteral("x"));
            for (const auto& row : bare.rows)
                for (QLabel* label : row) label->setText(QStringLiteral("x"));
        });
        bare.text1->setText(nickname);
        qsizetype i = 0;
        for (const auto& row : bare.rows)
            for (QLabel* label : row) label->setText(shown.at(i++));
        QApplication::processEvents();
        bare.text2->setPlainText(bare.code);
        QApplication::processEvents();
    }
}

// A short code replacing a million-character one in a bare window's Text2
// and on the clipboard (the automatic copy is on), the box set back as it is
// for a short code, after a click on the bare button, with the code's length
// written under the box.
template <typename Bare>
void bareShortAfterHuge(benchmark::State& state, const Bare& bare, const QString& huge,
                        const QString& button) {
    const QString shortCode = bare.code;
    const auto wrap = bare.text2->wordWrapMode();
    const auto bar = bare.text2->verticalScrollBarPolicy();
    auto* generate = bare.windows->template find<QPushButton>(button);
    auto* length = bare.windows->template find<QLabel>(QStringLiteral("lbllongueur"));
    bare.windows->show();
    for (auto _ : state) {
        untimed(state, [&] {
            bare.text2->setWordWrapMode(QTextOption::WrapAnywhere);
            bare.text2->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            bare.text2->setPlainText(huge);
            QApplication::clipboard()->setText(huge);
        });
        generate->click();
        QApplication::clipboard()->setText(shortCode);
        bare.text2->setPlainText(shortCode);
        bare.text2->setWordWrapMode(wrap);
        bare.text2->setVerticalScrollBarPolicy(bar);
        length->setText(QStringLiteral("Longueur du code : %1 caractères").arg(shortCode.size()));
        QApplication::processEvents();
    }
}

void bareShortAfterHugeInMain(benchmark::State& state) {
    useClassicFont();
    const QString huge = BareMainEditor(hugeNickname(1'000'000), false, true).code;
    bareShortAfterHuge(state, BareMainEditor(QStringLiteral("Bob"), false, true), huge,
                       QStringLiteral("Command1"));
}

void bareShortAfterHugeInGradient(benchmark::State& state) {
    useClassicFont();
    const QString huge = BareGradientEditor(hugeNickname(1'000'000), false, true).code;
    bareShortAfterHuge(state, BareGradientEditor(QStringLiteral("Bob"), false, true), huge,
                       QStringLiteral("cmdgenerer"));
}

BENCHMARK(openHugeProject)
    ->Name("Gros_pseudo_ouvrir")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(generateHugeNickname)
    ->Name("Gros_pseudo_generer")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(switchAndGenerateInGradient)
    ->Name("Gros_pseudo_degrade")
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareHugeNickname)
    ->Name("Qt_nu_gros_pseudo")
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareHugeCode)
    ->Name("Qt_nu_gros_code")
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareHugeGradient)
    ->Name("Qt_nu_gros_degrade")
    ->Arg(1'000'000)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
// Each round first puts a million-character code in the box, outside the
// measure: a few rounds are enough.
BENCHMARK(bareShortAfterHugeInMain)
    ->Name("Qt_nu_court_apres_gros_principal")
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(bareShortAfterHugeInGradient)
    ->Name("Qt_nu_court_apres_gros_degrade")
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(shortAfterHugeInMain)
    ->Name("Court_apres_gros_principal")
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(shortAfterHugeInGradient)
    ->Name("Court_apres_gros_degrade")
    ->Iterations(3)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

}  // namespace chromanick::bench
