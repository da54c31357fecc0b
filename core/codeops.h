#pragma once

#include "bgrcolor.h"
#include "styledtext.h"

#include <QList>
#include <QString>

#include <optional>

namespace chromanick {

// One step of a styled line, in the order a chat code writes it: some text,
// a colour that holds from there on, a style switched on or off, or a return
// to plain text. A generator says what it writes as these; each format's
// writer spells them in its own codes.
struct CodeOp {
    enum class Kind {
        Text,
        TextColour,
        Background,
        Bold,  // the four styles switch: on when off, off when on
        Underline,
        Italic,
        Strikethrough,
        Reset,  // no colour and no style
    };

    Kind kind = Kind::Text;
    QString text;                      // Text only
    BgrColor colour = 0;               // TextColour and Background: the RGB value
    std::optional<int> paletteNumber;  // the palette number the code names, if it names one

    static CodeOp plainText(const QString& text);
    static CodeOp textColour(BgrColor colour);
    static CodeOp background(BgrColor colour);
    // Palette number `number`, in the colour PaletteNumberColours() gives it.
    static CodeOp paletteTextColour(int number);
    static CodeOp paletteBackground(int number);
    static CodeOp style(Kind kind);  // Bold, Underline, Italic, Strikethrough or Reset

    bool operator==(const CodeOp&) const = default;
};

using CodeOps = QList<CodeOp>;

// The runs a reader shows for these operations: the text in the state the
// operations before it leave, runs of one style joined, empty text dropped.
QList<StyledRun> fold(const CodeOps& ops);

// A shortest list of operations that folds into `runs`: before each run,
// only what changes, or a reset and the run's whole style when that is
// shorter or a colour must go. Colours come without palette numbers.
CodeOps unfold(const QList<StyledRun>& runs);

}  // namespace chromanick
