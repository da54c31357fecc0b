// chromanick-cli version (or --version): the program's name and version.
#include "args.h"
#include "core/appinfo.h"
#include "output.h"
#include "registry.h"

namespace chromanick::cli {

namespace {

int run(const QStringList& args) {
    const QStringList positionals =
        scanArguments(args, [](const QString&, ArgScanner&) { return false; });
    if (!positionals.isEmpty()) {
        throw UsageError(QStringLiteral("Argument en trop : « %1 ».").arg(positionals.front()));
    }
    printResult(appinfo::versionLine());
    return 0;
}

const Registrar registrar{{
    QStringLiteral("version"),
    QStringLiteral("affiche le nom et la version du programme"),
    QStringLiteral("version\n"
                   "  Affiche « %1 ». « chromanick-cli --version » fait de même.")
        .arg(appinfo::versionLine()),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
