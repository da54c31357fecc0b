#pragma once

#include "core/codeops.h"
#include "core/styledtext.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace chromanick {

// What a format can show of a run's style.
struct Expresses {
    bool foreground = false;
    bool background = false;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;
    // Whether a text colour (or a background) is shown as it is, not as the
    // nearest of a few; nullptr: every colour is.
    bool (*showsColour)(BgrColor colour, bool background) = nullptr;
};

// One chat or output format: how runs are written in it, how a line of it is
// read into runs, and how its length is counted.
struct Dialect {
    using Writer = QString (*)(const QList<StyledRun>& runs);
    using Reader = QList<StyledRun> (*)(const QString& line);
    using LengthRule = qsizetype (*)(const QString& written);
    using OpsWriter = QString (*)(const CodeOps& ops);

    QString id;           // its name on the command line ("html")
    QString label;        // its French name
    QString description;  // its line in `chromanick-cli render --help`
    Expresses expresses;
    Writer write = nullptr;  // nullptr: runs are not written in it
    Reader read = nullptr;   // nullptr: it is not read
    LengthRule length = nullptr;
    // What `length` counts, in French, plural ("caractères", "octets").
    // The longest result the chat takes, in that unit; 0: no limit.
    qsizetype limit = 0;
    QString unit;
    // A copy also puts the text on the clipboard as rich text (HTML).
    bool copiesRichText = false;
    // The editors' own codes: a generator's operations written as they are,
    // which keeps what runs cannot (a colour with no text after it...);
    // nullptr: the operations are folded into runs and given to `write`.
    OpsWriter writeOps = nullptr;
};

// Every format, in the order the command line and the windows list them.
const QList<Dialect>& dialects();

// The formats runs are written in, in the table's order.
QList<const Dialect*> writtenDialects();

// The format the editors write their code lines in (the one with `writeOps`).
const Dialect& editorsDialect();

// A generator's operations written in `format`: its own writer of
// operations, or their runs (fold()) written by `write`.
QString writeOps(const Dialect& format, const CodeOps& ops);

// Every line of a code line (or of several), read as Plus! codes and
// written in `format`, one result per line.
QString writeCode(const Dialect& format, const QString& code);

// The format called `id`, or nullptr.
const Dialect* findDialect(const QString& id);

// What of `runs` a format that shows `expresses` loses, in French, in the
// order of Style ("couleur du texte", "fond", "gras", "souligné",
// "italique", "barré"), then "couleurs exactes" when a colour of the runs is
// shown as another, nearest one; empty when it shows everything they use.
QStringList notShown(const Expresses& expresses, const QList<StyledRun>& runs);
// A way to read a pasted line: `render --from` and the code reader's
// "Lire comme :" list. Several formats may share one (the Plus! codes).
struct Reading {
    QString id;           // its name after `render --from` ("plus")
    QString label;        // its entry in "Lire comme :"
    QString description;  // its line in `chromanick-cli render --help`
    QString format;       // the format of dialects() whose reader it is

    QList<StyledRun> read(const QString& line) const;
};

// Every reading, the default first.
const QList<Reading>& readings();

// The reading called `id`, or nullptr.
const Reading* findReading(const QString& id);

}  // namespace chromanick
