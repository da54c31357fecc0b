#pragma once

#include "args.h"
#include "core/nicksettings.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace chromanick::cli {

// The main editor's choices as given on the command line. Decoration list
// positions stay unresolved until the lists are known (built-in entries,
// possibly followed by the user's own).
struct ComposeOptions {
    NickSettings settings;  // the nickname is left to the command
    std::optional<int> prefixEntry;
    std::optional<int> suffixEntry;
};

// The editor's initial choices with empty decorations.
ComposeOptions initialComposeOptions();

// Handles one of the options listed by composeOptionsUsage(), taking its
// value from the scanner; returns false for any other option. Of --prefix
// and --prefix-entry (and of the suffix pair) the last one given wins.
bool parseComposeOption(const QString& option, ArgScanner& scanner, ComposeOptions& into);

// Sets the decorations chosen by position from the given lists; a position
// outside its list is a UsageError.
void applyDecorationEntries(ComposeOptions& options, const QStringList& prefixes,
                            const QStringList& suffixes);

// Syntax and description of the options, one per line, for help texts.
QString composeOptionsSyntax();
QString composeOptionsUsage();

}  // namespace chromanick::cli
