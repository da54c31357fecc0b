#pragma once

#include "core/bgrcolor.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace chromanick::cli {

// The arguments after the program's name, byte for byte (a leading U+FEFF
// included): bytes that are not UTF-8 stay as nativefile::decodeName holds
// them, so a file name reaches exactly the file the user named.
QStringList decodeArguments(int argc, const char* const* argv);
// An argument as text: bytes that were not UTF-8 read as U+FFFD.
QString argumentText(const QString& argument);

// "--help" among a command's options (not as an option's value).
struct HelpRequested {};

// Walks a command's arguments left to right. Options start with "--"; a lone
// "--" ends the options, so a nickname may itself start with dashes.
class ArgScanner {
public:
    explicit ArgScanner(QStringList args) : args_(std::move(args)) {}

    struct Arg {
        QString text;
        bool isOption;
    };
    // The next argument, or nothing at the end. A "--" is consumed silently.
    std::optional<Arg> take();
    // Takes the value that must follow `option`, whatever it is, as text; a
    // UsageError when it is missing.
    QString takeValue(const QString& option);

private:
    QStringList args_;
    qsizetype pos_ = 0;
    bool optionsEnded_ = false;
};

// Handles one option (its value, if any, is taken from the scanner) and
// returns true, or returns false for an option it does not know.
using OptionHandler = std::function<bool(const QString& option, ArgScanner& scanner)>;

// Runs `handle` on every option and returns the other arguments in order,
// as decodeArguments gave them. An option no handler knows is a UsageError;
// "--help" throws HelpRequested.
QStringList scanArguments(const QStringList& args, const OptionHandler& handle);

// The one positional argument a command expects, as text; `what` names it in
// the message when it is missing ("le pseudo").
QString singlePositional(const QStringList& positionals, const QString& what);
// The same for a file name, kept byte for byte; an empty name is missing too.
QString singleFileName(const QStringList& positionals, const QString& what);
// `name` when it is not empty; else a UsageError naming what is missing
// ("Il manque le fichier texte à écrire.").
QString requireFileName(const QString& name, const QString& what);

// "#RRGGBB", red first, hexadecimal digits in either case.
BgrColor parseColour(const QString& text, const QString& option);
// A decimal integer in [min, max]; the message names the option and the value.
int parseInteger(const QString& text, const QString& option, int min, int max);

}  // namespace chromanick::cli
