// chromanick-cli compose: the code line of "Générer le pseudo.".
#include "composeoptions.h"
#include "core/compose.h"
#include "core/decorations.h"
#include "core/oneline.h"
#include "formats.h"
#include "output.h"
#include "registry.h"
#include "userdecorations.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    ComposeOptions options = initialComposeOptions();
    const Dialect* to = nullptr;
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            return parseToOption(option, scanner, to) ||
                   parseComposeOption(option, scanner, options);
        });
    options.settings.Nickname = oneLine(singlePositional(positionals, QStringLiteral("le pseudo")));
    const UserDecorations user = readUserDecorations();
    applyDecorationEntries(options, BuiltinPrefixes() + user.prefixes,
                           BuiltinSuffixes() + user.suffixes);
    printGenerated(to, composeOps(options.settings));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("compose"),
    QStringLiteral("compose la ligne de codes d'un pseudo, comme « Générer le pseudo. »"),
    QStringLiteral("compose ") + toOptionSyntax() + u' ' + composeOptionsSyntax() +
        QStringLiteral(" PSEUDO\n") + toOptionUsage() + composeOptionsUsage() +
        QStringLiteral("\n  PSEUDO                 le pseudo (peut être vide : \"\")"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
