#pragma once

#include "dialects/codereader.h"

#include <QList>
#include <QString>

namespace chromanick {

// What a format can show of a run's style.
struct Expresses {
    bool foreground = false;
    bool background = false;
    bool bold = false;
    bool underline = false;
    bool italic = false;
    bool strikethrough = false;
};

// One chat or output format: how runs are written in it, how a line of it is
// read into runs, and how its length is counted.
struct Dialect {
    using Writer = QString (*)(const QList<StyledRun>& runs);
    using Reader = QList<StyledRun> (*)(const QString& line);
    using LengthRule = qsizetype (*)(const QString& written);

    QString id;           // its name on the command line ("html")
    QString label;        // its French name
    QString description;  // its line in `chromanick-cli render --help`
    Expresses expresses;
    Writer write = nullptr;  // nullptr: runs are not written in it
    Reader read = nullptr;   // nullptr: it is not read
    LengthRule length = nullptr;
    // The code reader's button that copies every line in this format (its
    // control name and caption); empty: no button.
    QString copyName;
    QString copyCaption;
    // The copy also puts the text on the clipboard as rich text (HTML).
    bool copiesRichText = false;
};

// Every format, in the order the command line and the windows list them.
const QList<Dialect>& dialects();

// The format called `id`, or nullptr.
const Dialect* findDialect(const QString& id);

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
