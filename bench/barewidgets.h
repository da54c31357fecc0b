#pragma once

#include "inventory.h"

#include <QString>

#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

namespace chromanick::bench {

// The yardsticks' windows: a real editor window is built, given the same
// nickname as the figure it stands beside (and, with `generate`, its code
// generated), then copied control for control into bare Qt widgets
// (inventory.h) and destroyed. The bare copy holds what the real window
// held, where it held it, and the yardstick then does to it with plain Qt
// calls what the program does to its window.

struct BareMainEditor {
    BareMainEditor(const QString& nickname, bool lookalike, bool generate = false);
    ~BareMainEditor();
    std::unique_ptr<BareWindows> windows;
    QWidget* window = nullptr;
    QLineEdit* text1 = nullptr;
    QLabel* label5 = nullptr;
    QPlainTextEdit* text2 = nullptr;
    QString code;  // what the real Text2 held
};

// The gradient window, the same way, with its 37 preview rows of 5 labels
// and, with `smooth`, the places of the smooth gradient's rows.
struct BareGradientEditor {
    BareGradientEditor(const QString& nickname, bool smooth, bool generate = false);
    ~BareGradientEditor();
    std::unique_ptr<BareWindows> windows;
    QWidget* window = nullptr;
    QLineEdit* text1 = nullptr;
    QPlainTextEdit* text2 = nullptr;
    QList<std::array<QLabel*, 5>> rows;
    QList<QWidget*> smoothRows;
    QString code;
};

// The main editor as it opens, with no nickname.
Inventory mainEditorInventory();

}  // namespace chromanick::bench
