// chromanick-cli: the formatting codes of Chromanick without a window.
#include "args.h"
#include "completion.h"
#include "output.h"
#include "registry.h"

#include <QCoreApplication>
#include <QStringList>

using namespace chromanick::cli;

namespace {

const QString kProgram = QStringLiteral("chromanick-cli");
// Words the program itself answers before any command: the help (alone or
// followed by a command's name) and the version.
const QStringList kHelpWords{QStringLiteral("--help"), QStringLiteral("help")};
const QString kVersionOption = QStringLiteral("--version");
// Not listed in the help: prints the bash completion script the build
// installs.
const QString kCompletionCommand = QStringLiteral("bash-completion");

QString commandHelp(const Command& c) {
    return kProgram + QLatin1Char(' ') + c.usage;
}

QString generalHelp() {
    QStringList lines{
        QStringLiteral("Usage : %1 COMMANDE [OPTIONS] ARGUMENTS").arg(kProgram),
        QStringLiteral("Compose les codes Messenger Plus! 3 de Chromanick sans fenêtre."),
        QStringLiteral("Le résultat s'affiche sur la sortie standard (UTF-8). Les couleurs "
                       "s'écrivent #RRVVBB (rouge d'abord). « -- » termine les options."),
        QStringLiteral("« %1 --version » affiche la version, comme « %1 version ».").arg(kProgram),
        QString(),
        QStringLiteral("Commandes :"),
    };
    const QList<Command> all = commands();
    for (const Command& c : all)
        lines.append(QStringLiteral("  %1  %2").arg(c.name, -10).arg(c.summary));
    for (const Command& c : all) {
        lines.append(QString());
        lines.append(commandHelp(c));
    }
    return lines.join(QLatin1Char('\n'));
}

int dispatch(const QStringList& args) {
    if (args.isEmpty()) {
        throw UsageError(
            QStringLiteral("Il manque la commande (voir « %1 --help »).").arg(kProgram));
    }
    // "--version" is the command "version" under another name.
    const QString name = args.front() == kVersionOption ? QStringLiteral("version") : args.front();
    const QStringList rest = args.mid(1);
    if (name == kCompletionCommand) {
        printResult(bashCompletion(commands(), kHelpWords, {kVersionOption}));
        return 0;
    }
    if (kHelpWords.contains(name)) {
        if (rest.isEmpty()) {
            printResult(generalHelp());
            return 0;
        }
        const Command* c = findCommand(rest.front());
        if (c == nullptr)
            throw UsageError(QStringLiteral("Commande inconnue : « %1 ».").arg(rest.front()));
        printResult(commandHelp(*c));
        return 0;
    }
    const Command* command = findCommand(name);
    if (command == nullptr) {
        throw UsageError(
            QStringLiteral("Commande inconnue : « %1 » (voir « %2 --help »).").arg(name, kProgram));
    }
    try {
        return command->run(rest);
    } catch (const HelpRequested&) {
        printResult(commandHelp(*command));
        return 0;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    try {
        // Not QCoreApplication::arguments(): it replaces bytes that are not
        // UTF-8 and drops a leading U+FEFF.
        return dispatch(decodeArguments(argc, argv));
    } catch (const CliError& error) {
        printError(kProgram + QStringLiteral(" : ") + error.message());
        return error.status();
    }
}
