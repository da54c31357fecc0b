#pragma once

#include <QList>
#include <QString>

namespace chromanick {

struct Emoticon {
    QString image;  // picture control name, "Image2" to "Image68"; also its artwork file name
    QString tooltip;
    QString text;  // what a click inserts
};

// The 67 pictures of the emoticon panel, Image2 first.
const QList<Emoticon>& EmoticonTable();

struct TextEdit {
    QString text;
    int caret = 0;
};

// Inserts `insert` as typed text: replaces the selection [selectionStart,
// selectionStart + selectionLength) or goes in at the caret; the caret ends
// behind the inserted text. Out-of-range positions are clamped.
TextEdit insertAtCaret(const QString& text, int selectionStart, int selectionLength,
                       const QString& insert);

}  // namespace chromanick
