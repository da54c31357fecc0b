#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

namespace chromanick::cli {

// One sub-command of chromanick-cli. `run` gets the arguments after the
// command name and returns the exit status; it prints through the helpers of
// output.h and reports bad input by throwing UsageError.
struct Command {
    QString name;
    QString summary;  // one line for the command list
    QString usage;    // full syntax and option descriptions
    std::function<int(const QStringList& args)> run;
};

// Every command, sorted by name.
QList<Command> commands();
const Command* findCommand(const QString& name);

// Each cmd_<name>.cpp registers its command with a file-scope object:
//     static const cli::Registrar registrar{{"name", "summary", "usage", &run}};
struct Registrar {
    explicit Registrar(Command command);
};

}  // namespace chromanick::cli
