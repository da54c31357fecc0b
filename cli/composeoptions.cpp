#include "composeoptions.h"

#include "core/oneline.h"
#include "core/palettes.h"
#include "output.h"

#include <limits>

namespace chromanick::cli {

namespace {

QString paletteOption(const QString& name, const QString& option, bool foreground) {
    const PaletteEntry* entry = foreground ? findForegroundEntry(name) : findBackgroundEntry(name);
    if (entry == nullptr) {
        const QString what = foreground ? QStringLiteral("Couleur de texte inconnue")
                                        : QStringLiteral("Couleur de fond inconnue");
        throw UsageError(QStringLiteral("%1 pour %2 : « %3 » (voir « chromanick-cli palettes »).")
                             .arg(what, option, name));
    }
    return entry->option;
}

int entryPosition(const QString& text, const QString& option) {
    return parseInteger(text, option, 0, std::numeric_limits<int>::max());
}

QString resolveEntry(int position, const QStringList& list, const QString& option) {
    if (position >= list.size()) {
        throw UsageError(QStringLiteral("Valeur hors limites pour %1 : %2 (de 0 à %3).")
                             .arg(option)
                             .arg(position)
                             .arg(list.size() - 1));
    }
    return list.at(position);
}

bool parseFlag(const QString& option, NickSettings& s) {
    if (option == u"--bold") return s.Bold = true;
    if (option == u"--underline") return s.Underline = true;
    if (option == u"--italic") return s.Italic = true;
    if (option == u"--strikethrough") return s.Strikethrough = true;
    if (option == u"--suppress-dit") return s.DitSuppressed = true;
    return false;
}

}  // namespace

ComposeOptions initialComposeOptions() {
    ComposeOptions options;
    options.settings.Nickname.clear();
    return options;
}

bool parseComposeOption(const QString& option, ArgScanner& scanner, ComposeOptions& into) {
    NickSettings& s = into.settings;
    if (parseFlag(option, s)) return true;
    if (option == u"--fg") {
        s.ForegroundOption = paletteOption(scanner.takeValue(option), option, true);
    } else if (option == u"--bg") {
        s.BackgroundOption = paletteOption(scanner.takeValue(option), option, false);
    } else if (option == u"--prefix") {
        s.Prefix = oneLine(scanner.takeValue(option));
        into.prefixEntry.reset();
    } else if (option == u"--suffix") {
        s.Suffix = oneLine(scanner.takeValue(option));
        into.suffixEntry.reset();
    } else if (option == u"--prefix-entry") {
        into.prefixEntry = entryPosition(scanner.takeValue(option), option);
    } else if (option == u"--suffix-entry") {
        into.suffixEntry = entryPosition(scanner.takeValue(option), option);
    } else if (option == u"--custom-fg") {
        s.CustomForeground = parseColour(scanner.takeValue(option), option);
    } else if (option == u"--custom-bg") {
        s.CustomBackground = parseColour(scanner.takeValue(option), option);
    } else if (option == u"--dit-colour") {
        s.DitColour = parseColour(scanner.takeValue(option), option);
        s.DitColourOn = true;
    } else {
        return false;
    }
    return true;
}

void applyDecorationEntries(ComposeOptions& options, const QStringList& prefixes,
                            const QStringList& suffixes) {
    if (options.prefixEntry) {
        options.settings.Prefix =
            resolveEntry(*options.prefixEntry, prefixes, QStringLiteral("--prefix-entry"));
    }
    if (options.suffixEntry) {
        options.settings.Suffix =
            resolveEntry(*options.suffixEntry, suffixes, QStringLiteral("--suffix-entry"));
    }
}

QString composeOptionsSyntax() {
    return QStringLiteral(
        "[--fg OPTION] [--bg OPTION] [--prefix TEXTE] [--suffix TEXTE] [--prefix-entry N] "
        "[--suffix-entry N] [--bold] [--underline] [--italic] [--strikethrough] "
        "[--custom-fg #RRVVBB] [--custom-bg #RRVVBB] [--dit-colour #RRVVBB] [--suppress-dit]");
}

QString composeOptionsUsage() {
    return QStringLiteral(
        "  --fg OPTION            couleur du texte, par son nom d'option (défaut : Option9, "
        "« Noir »)\n"
        "  --bg OPTION            couleur de fond, par son nom d'option (défaut : Option20, "
        "« Défaut »)\n"
        "  --prefix TEXTE         décoration placée avant le pseudo\n"
        "  --suffix TEXTE         décoration placée après le pseudo\n"
        "  --prefix-entry N       décoration avant : l'entrée N de la liste (0 = aucune)\n"
        "  --suffix-entry N       décoration après : l'entrée N de la liste (0 = aucune)\n"
        "  --bold                 gras\n"
        "  --underline            souligné\n"
        "  --italic               italique\n"
        "  --strikethrough        barré\n"
        "  --custom-fg #RRVVBB    couleur de l'option « Couleur perso » du texte "
        "(optcouleurperso1)\n"
        "  --custom-bg #RRVVBB    couleur de l'option « Couleur perso » du fond (optaperso)\n"
        "  --dit-colour #RRVVBB   donne cette couleur au mot « Dit »\n"
        "  --suppress-dit         supprime le mot « Dit »");
}

}  // namespace chromanick::cli
