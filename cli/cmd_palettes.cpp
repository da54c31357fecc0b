// chromanick-cli palettes: the option names usable with --fg and --bg.
#include "args.h"
#include "core/palettes.h"
#include "dialects/plus3.h"
#include "output.h"
#include "registry.h"

#include <QStringList>

namespace chromanick::cli {

namespace {

QString codeColumn(const PaletteEntry& entry, bool foreground) {
    switch (entry.role) {
        case EntryRole::Fixed:
            return plus3::write(entry.code);
        case EntryRole::Default:
            return QStringLiteral("(aucun)");
        case EntryRole::Custom:
            return plus3::customColourForm(!foreground);
    }
    return {};
}

QStringList section(const QString& title, const QList<PaletteEntry>& palette, bool foreground) {
    QStringList lines{title};
    for (const PaletteEntry& e : palette) {
        lines.append(e.option + QLatin1Char('\t') + e.caption + QLatin1Char('\t') +
                     codeColumn(e, foreground));
    }
    return lines;
}

int run(const QStringList& args) {
    const QStringList positionals =
        scanArguments(args, [](const QString&, ArgScanner&) { return false; });
    if (!positionals.isEmpty()) {
        throw UsageError(QStringLiteral("Argument en trop : « %1 ».").arg(positionals.front()));
    }
    QStringList lines =
        section(QStringLiteral("Couleur du texte (--fg) :"), ForegroundPalette(), true);
    lines.append(QString());
    lines += section(QStringLiteral("Couleur de fond (--bg) :"), BackgroundPalette(), false);
    printResult(lines.join(QLatin1Char('\n')));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("palettes"),
    QStringLiteral("liste les deux palettes : option, libellé, code"),
    QStringLiteral("palettes\n"
                   "  Une ligne par option : nom de l'option, libellé et code, séparés par "
                   "des tabulations.\n"
                   "  RRR,VVV,BBB : la couleur perso (--custom-fg, --custom-bg)."),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
