#include "typing.h"

#include <QApplication>
#include <QKeyEvent>
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

}  // namespace chromanick::bench
