#pragma once

#include <QString>

namespace chromanick {

// A nickname, and a decoration typed beside it, is one line: one line of the
// project file and one line in the messenger. Wherever such text comes in
// (typing, pasting, the other editor, the command line), each line break
// (CR LF, CR or LF) becomes one space.
QString oneLine(const QString& text);
// Where position `position` of `text` ends up in oneLine(text) (a caret).
int oneLinePosition(const QString& text, int position);

}  // namespace chromanick
