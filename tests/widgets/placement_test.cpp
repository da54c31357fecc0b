#include "ui/widgets/placement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <gtest/gtest.h>

namespace chromanick {
namespace {

QRect freeArea() {
    return QGuiApplication::primaryScreen()->availableGeometry();
}

TEST(CentreOnScreen, AWindowThatFitsSitsInTheMiddleOfTheFreeArea) {
    QWidget window;
    window.resize(freeArea().width() / 2, freeArea().height() / 3);
    window.move(freeArea().right() - 10, freeArea().bottom() - 10);  // mostly off screen
    centreOnScreen(window);
    EXPECT_LE((window.geometry().center() - freeArea().center()).manhattanLength(), 2);
    EXPECT_TRUE(freeArea().contains(window.geometry()));
}

TEST(CentreOnScreen, AWindowLargerThanTheFreeAreaStartsAtItsTopLeft) {
    QWidget window;
    window.resize(freeArea().width() + 200, freeArea().height() + 100);
    window.move(-500, -500);
    centreOnScreen(window);
    EXPECT_EQ(window.pos(), freeArea().topLeft());
}

}  // namespace
}  // namespace chromanick
