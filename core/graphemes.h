#pragma once

#include <QList>
#include <QString>
#include <QStringView>

namespace chromanick::graphemes {

// What a reader sees as one character is a grapheme cluster: an emoji of two
// UTF-16 units, a letter and its combining accent, a flag of two regional
// indicators. The gradients, their limits and their counts, and the code
// reader's fades count such characters and cut text only between them.

// Where each character of `text` starts, in UTF-16 units, followed by
// text.size(): one entry more than the text has characters.
QList<qsizetype> boundaries(QStringView text);
// How many characters `text` holds.
qsizetype count(QStringView text);
// The first `n` characters of `text` (all of them when it has fewer).
QString left(const QString& text, qsizetype n);

}  // namespace chromanick::graphemes
