// The code reader: reading code lines of growing length, and its window
// redrawn on a keystroke in its code box, against a bare copy of it.
#include "inventory.h"
#include "sampletext.h"
#include "typing.h"

#include "dialects/plus3.h"
#include "ui/app/application.h"
#include "ui/qtplatform.h"
#include "ui/reader/readermodel.h"
#include "ui/reader/readerwindow.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>

#include <benchmark/benchmark.h>

#include <memory>

namespace chromanick::bench {

namespace {

// A code line of exactly `length` characters: the sample nickname with a
// colour, a palette colour or a style code every few characters, as a
// gradient or a hand-made line has them.
QString sampleCodeLine(int length) {
    using Kind = CodeOp::Kind;
    const QString codes[] = {
        plus3::write({CodeOp::textColour(0x336699)}), plus3::write({CodeOp::paletteTextColour(46)}),
        plus3::write({CodeOp::style(Kind::Bold)}),    plus3::write({CodeOp::background(0xC0C0C0)}),
        plus3::write({CodeOp::style(Kind::Italic)}),  plus3::write({CodeOp::style(Kind::Reset)})};
    const QString text = sampleNickname(length);
    QString line;
    for (qsizetype i = 0; line.size() < length; ++i) {
        if (i % 6 == 0) line += codes[(i / 6) % std::size(codes)];
        line += text.at(i % text.size());
    }
    return line.left(length);
}

// A code line of exactly `length` characters mixing every kind of code
// people write: dot codes with text colour and background, style tags,
// nested colour tags closed plainly or with a fade, and text between them.
QString sampleMixedLine(int length) {
    using Kind = CodeOp::Kind;
    const QString codes[] = {
        QStringLiteral("[c=4]"),
        QStringLiteral("[b]"),
        QStringLiteral("[/c=9]"),
        plus3::write({CodeOp::paletteTextColour(32), CodeOp::paletteBackground(1)}),
        QStringLiteral("[a=silver]"),
        QStringLiteral("[c=#FF0080]"),
        QStringLiteral("[/c]"),
        QStringLiteral("[/b]"),
        QStringLiteral("[/a=12]"),
        plus3::write({CodeOp::textColour(0x00FF00), CodeOp::background(0x000000)}),
        plus3::write({CodeOp::style(Kind::Italic)}),
        plus3::write({CodeOp::style(Kind::Reset)})};
    const QString text = sampleNickname(length);
    QString line;
    for (qsizetype i = 0; line.size() < length; ++i) {
        if (i % 3 == 0) line += codes[(i / 3) % std::size(codes)];
        line += text.at(i % text.size());
    }
    return line.left(length);
}

void readCode(benchmark::State& state) {
    const QString line = sampleCodeLine(int(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(readPlusCode(line));
}

void readerKeystroke(benchmark::State& state) {
    useClassicFont();
    QtPlatform platform;
    CodeReaderModel model(platform);
    CodeReaderWindow window(model);
    window.open(sampleCodeLine(int(state.range(0))));
    auto* box = window.findChild<QPlainTextEdit*>(QStringLiteral("txtcode"));
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    bool letter = false;
    for (auto _ : state) {
        typeAlternately(box, letter);
        letter = !letter;
    }
    if (model.codeLength() < state.range(0) - 1)
        state.SkipWithError("la saisie n'a pas atteint le lecteur");
}

// The yardstick of the figure above: the reader window's bare copy
// (inventory.h), a plain QLabel in the drawing's scroll area in place of the
// drawing; each key in the code box shows the box's text in that label and
// its length in the lengths line.
void bareReaderKeystroke(benchmark::State& state) {
    useClassicFont();
    std::unique_ptr<BareWindows> bare;
    {
        QtPlatform platform;
        CodeReaderModel model(platform);
        CodeReaderWindow window(model);
        window.open(sampleCodeLine(int(state.range(0))));
        QApplication::processEvents();
        bare = std::make_unique<BareWindows>(inventoryOf(window));
    }
    auto* box = bare->find<QPlainTextEdit>(QStringLiteral("txtcode"));
    auto* lengths = bare->find<QLabel>(QStringLiteral("lbllongueurs"));
    auto* drawing = new QLabel;
    drawing->setTextFormat(Qt::PlainText);
    drawing->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    bare->find<QScrollArea>(QStringLiteral("defilementdessin"))->setWidget(drawing);
    QObject::connect(box, &QPlainTextEdit::textChanged, drawing, [box, drawing, lengths] {
        const QString code = box->toPlainText();
        drawing->setText(code);
        lengths->setText(QStringLiteral("%1 caractères").arg(code.size()));
    });
    bare->show();
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QApplication::processEvents();
    bool letter = false;
    for (auto _ : state) {
        typeAlternately(box, letter);
        letter = !letter;
    }
}

// A fade gives each of its characters a run of its own, so a long line's
// reading holds thousands of runs. Like the reader's window, which keeps a
// reading until the next one replaces it, each reading is kept until the
// next is made: freed first, its memory would go back to the system at each
// iteration and come back as page faults, a cost of the loop and not of
// reading.
void readMixedCode(benchmark::State& state) {
    const QString line = sampleMixedLine(int(state.range(0)));
    QList<StyledRun> reading;
    for (auto _ : state) {
        reading = readPlusCode(line);
        benchmark::DoNotOptimize(reading);
    }
}

BENCHMARK(readCode)->Name("readPlusCode")->Arg(1000)->Arg(10000);
BENCHMARK(readMixedCode)->Name("readPlusCode_balises")->Arg(1000)->Arg(10000);
BENCHMARK(readerKeystroke)
    ->Name("Lecteur_touche")
    ->Arg(200)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(bareReaderKeystroke)
    ->Name("Qt_nu_lecteur")
    ->Arg(200)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
