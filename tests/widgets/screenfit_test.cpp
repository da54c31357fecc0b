#include "ui/widgets/screenfit.h"

#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>

#include <gtest/gtest.h>

namespace chromanick {
namespace {

struct FixedWindow {
    FixedWindow() {
        window.menuBar()->addMenu(QStringLiteral("&Fichier"));
        client->setFixedSize(1000, 600);
        button->setGeometry(900, 560, 90, 20);
        window.setCentralWidget(client);
        window.setFixedSize(window.sizeHint());
        whole = window.size();
    }
    QMainWindow window;
    QWidget* client = new QWidget;
    QPushButton* button = new QPushButton(QStringLiteral("Générer"), client);
    QSize whole;
};

TEST(FitToArea, AWindowThatFitsIsLeftAlone) {
    FixedWindow w;
    fitToArea(w.window, *w.client, w.whole);
    EXPECT_EQ(w.window.centralWidget(), w.client);
    EXPECT_EQ(w.window.size(), w.whole);
    EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize());
}

TEST(FitToArea, ALargerWindowScrollsItsClientAreaAndGetsItBackOnALargerScreen) {
    FixedWindow w;
    const QSize small(700, 450);
    fitToArea(w.window, *w.client, small);
    auto* scroller = qobject_cast<QScrollArea*>(w.window.centralWidget());
    ASSERT_NE(scroller, nullptr);
    EXPECT_EQ(scroller->widget(), w.client);
    EXPECT_EQ(w.client->size(), QSize(1000, 600));
    EXPECT_EQ(w.button->geometry(), QRect(900, 560, 90, 20));
    EXPECT_TRUE(QRect(QPoint(), small).contains(QRect(QPoint(), w.window.size())));
    EXPECT_GE(w.window.maximumWidth(), 1000);

    fitToArea(w.window, *w.client, small);  // again: the same scroll area
    EXPECT_EQ(w.window.centralWidget(), scroller);

    fitToArea(w.window, *w.client, QSize(1600, 1000));
    EXPECT_EQ(w.window.centralWidget(), w.client);
    EXPECT_EQ(w.window.size(), w.whole);
    EXPECT_EQ(w.window.minimumSize(), w.window.maximumSize());
    EXPECT_EQ(w.button->geometry(), QRect(900, 560, 90, 20));
}

}  // namespace
}  // namespace chromanick
