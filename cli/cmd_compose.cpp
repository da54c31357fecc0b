// chromanick-cli compose: the code line of "Générer le pseudo.".
#include "composeoptions.h"
#include "core/decorations.h"
#include "core/oneline.h"
#include "dialects/plus3.h"
#include "output.h"
#include "registry.h"
#include "userdecorations.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    ComposeOptions options = initialComposeOptions();
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            return parseComposeOption(option, scanner, options);
        });
    options.settings.Nickname = oneLine(singlePositional(positionals, QStringLiteral("le pseudo")));
    const UserDecorations user = readUserDecorations();
    applyDecorationEntries(options, BuiltinPrefixes() + user.prefixes,
                           BuiltinSuffixes() + user.suffixes);
    printResult(ComposeNickCode(options.settings));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("compose"),
    QStringLiteral("compose la ligne de codes d'un pseudo, comme « Générer le pseudo. »"),
    QStringLiteral("compose ") + composeOptionsSyntax() + QStringLiteral(" PSEUDO\n") +
        composeOptionsUsage() +
        QStringLiteral("\n  PSEUDO                 le pseudo (peut être vide : \"\")"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
