// A nickname change in the gradient window: the key reaches Text1, the
// nickname is split again, the 37 preview rows (185 labels) are refilled and
// laid out, and the window is repainted offscreen; the same with the smooth
// gradient on, whose 37 rows are drawn group by group.
#include "barewidgets.h"
#include "sampletext.h"
#include "typing.h"

#include "gradient/gradient.h"
#include "ui/app/application.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QTextLayout>

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

// The yardstick of the gradient window's figure: the window's bare copy
// (barewidgets.h), each of its 37 rows of labels showing the nickname in
// five slices, each label as wide as its slice (measured on the first row)
// and starting where the one before ends.
void bareGradientRows(benchmark::State& state) {
    useClassicFont();
    BareGradientEditor bare(sampleNickname(int(state.range(0))), false);
    QObject::connect(bare.text1, &QLineEdit::textEdited, bare.window, [&](const QString& t) {
        const qsizetype slice = (t.size() + 4) / 5;
        std::array<QSize, 5> sizes;
        for (int slot = 0; slot < 5; ++slot) {
            bare.rows[0][slot]->setText(t.mid(slot * slice, slice));
            sizes[slot] = bare.rows[0][slot]->sizeHint();
        }
        for (const std::array<QLabel*, 5>& row : bare.rows) {
            int left = row[0]->x();
            for (int slot = 0; slot < 5; ++slot) {
                row[slot]->setText(t.mid(slot * slice, slice));
                row[slot]->setGeometry(left, row[slot]->y(), sizes[slot].width(),
                                       sizes[slot].height());
                left += sizes[slot].width();
            }
        }
    });
    bare.windows->show();
    typeAtEndEachIteration(state, bare.text1);
}

// A line of text each character of which has a colour of its own, laid out
// once per text with one format per character and drawn from its layout:
// bare Qt drawing what a smooth gradient row shows.
class ColouredLine : public QWidget {
public:
    using QWidget::QWidget;
    void setText(const QString& text) {
        QList<QTextLayout::FormatRange> formats;
        for (int i = 0; i < text.size(); ++i) {
            const int shade = int(255 * i / std::max<qsizetype>(1, text.size()));
            QTextCharFormat format;
            format.setForeground(QColor(255 - shade, 0, shade));
            formats.append({i, 1, format});
        }
        layout_.setText(text);
        layout_.setFont(font());
        layout_.setFormats(formats);
        layout_.beginLayout();
        layout_.createLine();
        layout_.endLayout();
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        layout_.draw(&painter, QPointF(0, 0));
    }

private:
    QTextLayout layout_;
};

// The yardstick of the figure with the smooth gradient on: the window's
// bare copy with 37 such lines where the smooth rows stand.
void bareSmoothRows(benchmark::State& state) {
    useClassicFont();
    BareGradientEditor bare(sampleNickname(int(state.range(0))), true);
    QList<ColouredLine*> lines;
    for (QWidget* place : bare.smoothRows) {
        auto* line = new ColouredLine(place->parentWidget());
        line->setGeometry(place->geometry());
        line->setFont(bare.rows[0][0]->font());
        line->setText(bare.text1->text());
        place->hide();
        lines.append(line);
    }
    QObject::connect(bare.text1, &QLineEdit::textEdited, bare.window, [&](const QString& t) {
        for (ColouredLine* line : lines) line->setText(t);
    });
    bare.windows->show();
    typeAtEndEachIteration(state, bare.text1);
}

BENCHMARK(gradientNicknameChange)
    ->Name("Degrade_Text1")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(bareGradientRows)
    ->Name("Qt_nu_lignes")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(smoothGradientNicknameChange)
    ->Name("Degrade_fluide_Text1")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

BENCHMARK(bareSmoothRows)
    ->Name("Qt_nu_lignes_fluides")
    ->Arg(kGradientMaxLength)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

}  // namespace

}  // namespace chromanick::bench
