#pragma once

#include <QString>

#include <benchmark/benchmark.h>

class QLineEdit;
class QWidget;

namespace chromanick::bench {

// One key typed into `widget` as the user types it (press and release), then
// the event loop run until the screen is repainted.
void typeKey(QWidget* widget, int key, const QString& text = {});
// Alternately a Backspace and a letter at the end of a text box, so that a
// run of keystrokes keeps its length within one character.
void typeAlternately(QWidget* textBox, bool letter);
// The measured loop of the typing figures: focus the box, put the caret at
// the end, then one alternating keystroke per iteration.
void typeAtEndEachIteration(benchmark::State& state, QLineEdit* textBox);

}  // namespace chromanick::bench
