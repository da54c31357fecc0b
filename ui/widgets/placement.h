#pragma once

#include <QGuiApplication>
#include <QLabel>
#include <QRect>
#include <QScreen>
#include <QString>

namespace chromanick {

// Every window puts its controls at the places it was designed with: a
// control gets its control name and its geometry in one step.
template <typename Widget>
Widget* place(Widget* widget, const QString& name, const QRect& geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A label showing `text` as it is, never as rich text.
inline QLabel* plainLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// Every window gives its controls' places and its own size in twips, the
// unit the windows were designed in; a pixel is 15 twips.
constexpr int px(int twips) {
    return twips / 15;
}
constexpr QRect twipsRect(int left, int top, int width, int height) {
    return QRect(px(left), px(top), px(width), px(height));
}

// A window opened for the first time sits in the middle of the screen's free
// area, and never starts above or left of it when it is larger.
inline void centreOnScreen(QWidget& window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect free = screen->availableGeometry();
    const QPoint centred = free.center() - window.rect().center();
    window.move(qMax(centred.x(), free.left()), qMax(centred.y(), free.top()));
}

}  // namespace chromanick
