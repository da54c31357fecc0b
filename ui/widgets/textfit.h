#pragma once

#include <QStringList>

#include <functional>

class QPlainTextEdit;
class QString;
class QWidget;

namespace chromanick {

// The windows keep the sizes they were drawn with, for a font that may be
// missing here. Every control under `root` whose fixed text would be cut gets
// a smaller font, half a point (or a pixel) at a time, until it fits:
// - labels, buttons, check boxes and option buttons: their caption;
// - editable drop-down lists: the text shown in the box;
// - read-only multi-line boxes, which have no scroll bars: every line, in the
//   part of the box that lies inside its parent.
// Widgets whose objectName is in `skip` are left alone.
void fitCaptions(QWidget* root, const QStringList& skip = {});

// Replaces the whole text of a multi-line box, at the cost of showing the
// new text only. The old text goes first, before anything can lay it out
// again: a wrap setting changed over a long line lays that whole line out
// once more, which took a minute and a half for a million characters.
// `setUp` (when given) changes the box's settings in between, on the empty
// box. The undo history starts anew; no text is selected.
void replaceText(QPlainTextEdit* box, const QString& text, const std::function<void()>& setUp = {});

// The longest code a code box wraps between words.
inline constexpr int kLongestWordWrappedCode = 10'000;
// Puts a generated code into a multi-line code box (Text2), whole, wrapped
// at the box's width. A code longer than kLongestWordWrappedCode wraps
// anywhere: Qt looks for the end of a word from every line it breaks, and a
// code without blanks took minutes at a million characters (a quarter of a
// second this way).
void showCode(QPlainTextEdit* box, const QString& code);
// Whether `box` holds exactly `text`. A box holding a million characters
// builds its text only when the lengths are the same.
bool holdsText(const QPlainTextEdit* box, const QString& text);

}  // namespace chromanick
