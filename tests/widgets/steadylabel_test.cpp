// A label whose text changes at every key: its window is not laid out again
// for a new number, yet never cuts a text, and follows the number of lines.
#include "ui/widgets/steadylabel.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

#include <gtest/gtest.h>

using namespace chromanick;

namespace {

// Counts the layout requests a widget receives.
class LayoutRequests : public QObject {
public:
    explicit LayoutRequests(QWidget* watched) { watched->installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::LayoutRequest) ++count;
        return false;
    }
};

struct Window {
    QWidget window;
    QVBoxLayout* layout = new QVBoxLayout(&window);
    SteadyLabel* label =
        new SteadyLabel(QStringLiteral("lbllongueurs"), QStringLiteral("cadrelongueurs"), &window);
    Window() {
        layout->addWidget(label);
        layout->addWidget(new QLabel(QStringLiteral("Sous le texte"), &window));
        label->setText(QStringLiteral("Longueur : 10 caractères"));
        window.show();
        QApplication::processEvents();
    }
};

}  // namespace

TEST(SteadyLabel, ANewNumberIsShownWithoutLayingTheWindowOut) {
    Window w;
    LayoutRequests requests(&w.window);
    for (int n = 11; n < 40; ++n) {
        w.label->setText(QStringLiteral("Longueur : %1 caractères").arg(n));
        QApplication::processEvents();
        EXPECT_EQ(w.label->label()->text(), w.label->text());
    }
    EXPECT_EQ(requests.count, 0);
    EXPECT_EQ(w.window.findChild<QLabel*>(QStringLiteral("lbllongueurs")), w.label->label());
    EXPECT_EQ(w.label->label()->geometry(), w.label->rect());
}

TEST(SteadyLabel, ALongerTextWidensTheBoxAndMoreLinesHeightenIt) {
    Window w;
    const int width = w.label->minimumWidth();
    const int height = w.label->height();
    const QString longer = QStringLiteral("Longueur : 10 caractères, et bien plus encore à lire");
    w.label->setText(longer);
    QApplication::processEvents();
    EXPECT_GE(w.label->minimumWidth(), w.label->fontMetrics().horizontalAdvance(longer));
    EXPECT_GT(w.label->minimumWidth(), width);
    EXPECT_GE(w.label->width(), w.label->minimumWidth());

    w.label->setText(QStringLiteral("Court"));  // the box keeps its width
    w.label->setText(longer + QStringLiteral("\nAttention : trop long"));
    QApplication::processEvents();
    EXPECT_GT(w.label->height(), height);
    EXPECT_GE(w.label->label()->height(), w.label->label()->sizeHint().height());

    w.label->setText(QStringLiteral("Court"));
    QApplication::processEvents();
    EXPECT_EQ(w.label->height(), height);
}

TEST(SteadyLabel, ABiggerFontMeasuresAgain) {
    Window w;
    const int width = w.label->minimumWidth();
    QFont font = w.window.font();
    font.setPointSizeF(font.pointSizeF() * 2);
    w.window.setFont(font);
    QApplication::processEvents();
    EXPECT_GT(w.label->minimumWidth(), width * 3 / 2);
    EXPECT_GE(w.label->height(), w.label->label()->sizeHint().height());
}
