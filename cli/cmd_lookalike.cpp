// chromanick-cli lookalike: the special-character transform, both ways.
#include "args.h"
#include "core/lookalikes.h"
#include "output.h"
#include "registry.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    bool remove = false;
    const QStringList positionals = scanArguments(args, [&](const QString& option, ArgScanner&) {
        if (option != u"--remove") return false;
        remove = true;
        return true;
    });
    const QString text = singlePositional(positionals, QStringLiteral("le texte"));
    printResult(remove ? Retire_CaracSpe(text) : Applique_CaracSpe(text));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("lookalike"),
    QStringLiteral("remplace des lettres par des caractères ressemblants (ou l'inverse)"),
    QStringLiteral("lookalike [--remove] TEXTE\n"
                   "  --remove   rend les lettres d'origine (le retour peut différer : "
                   "« y » revient en « Y », « W » en « VV »)"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
