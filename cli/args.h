#pragma once

#include "core/bgrcolor.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace chromanick::cli {

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
    // Takes the value that must follow `option`; a UsageError when it is missing.
    QString takeValue(const QString& option);

private:
    QStringList args_;
    qsizetype pos_ = 0;
    bool optionsEnded_ = false;
};

// Handles one option (its value, if any, is taken from the scanner) and
// returns true, or returns false for an option it does not know.
using OptionHandler = std::function<bool(const QString& option, ArgScanner& scanner)>;

// Runs `handle` on every option and returns the other arguments in order.
// An option no handler knows is a UsageError.
QStringList scanArguments(const QStringList& args, const OptionHandler& handle);

// The one positional argument a command expects; `what` names it in the
// message when it is missing ("le pseudo").
QString singlePositional(const QStringList& positionals, const QString& what);

// "#RRGGBB", red first, hexadecimal digits in either case.
BgrColor parseColour(const QString& text, const QString& option);
// A decimal integer in [min, max]; the message names the option and the value.
int parseInteger(const QString& text, const QString& option, int min, int max);

}  // namespace chromanick::cli
