#pragma once

#include "registry.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace chromanick::cli {

// An option of a command, as the first line of its usage shows it:
// "[--fg OPTION]" takes a value, "[--bold]" does not.
struct OptionSyntax {
    QString name;
    bool takesValue = false;
};
QList<OptionSyntax> optionsOf(const Command& command);

// The bash completion script of chromanick-cli: the first word is one of
// `commands`, of `helpWords` (followed by a command name) or of `otherWords`;
// then each command's options, the palettes' option names after --fg and
// --bg, the format ids after --format, and file names anywhere else. A word
// that the script could not hold as it is raises a CliError.
QString bashCompletion(const QList<Command>& commands, const QStringList& helpWords,
                       const QStringList& otherWords);

}  // namespace chromanick::cli
