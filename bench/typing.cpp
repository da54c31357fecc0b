#include "typing.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

namespace chromanick::bench {

void typeKey(QWidget* widget, int key, const QString& text) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
    QApplication::processEvents();
}

void typeAlternately(QWidget* textBox, bool letter) {
    if (letter)
        typeKey(textBox, Qt::Key_A, QStringLiteral("a"));
    else
        typeKey(textBox, Qt::Key_Backspace);
}

void typeAtEndEachIteration(benchmark::State& state, QLineEdit* textBox) {
    textBox->setFocus();
    textBox->end(false);
    QApplication::processEvents();
    bool letter = false;
    for (auto _ : state) {
        typeAlternately(textBox, letter);
        letter = !letter;
    }
}

}  // namespace chromanick::bench
