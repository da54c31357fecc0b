// chromanick-cli gradient: the code line of the gradient editor's "Générer le pseudo.".
#include "args.h"
#include "core/oneline.h"
#include "gradient/gradient.h"
#include "output.h"
#include "registry.h"

#include <QRegularExpression>

namespace chromanick::cli {

namespace {

const QString kSlotOption = QStringLiteral("--slot");

// "J=#RRGGBB": custom colour J (1 to 5) of the custom scheme.
void parseSlot(const QString& value, GradientSettings& settings) {
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("([^=]*)=(.*)")),
        QRegularExpression::DotMatchesEverythingOption);
    const QRegularExpressionMatch match = form.match(value);
    if (!match.hasMatch()) {
        throw UsageError(
            QStringLiteral("Valeur invalide pour %1 : « %2 » (format attendu : J=#RRVVBB).")
                .arg(kSlotOption, value));
    }
    const int slot = parseInteger(match.captured(1), kSlotOption, 1, 5);
    settings.customColours[slot - 1] = parseColour(match.captured(2), kSlotOption);
}

bool parseOption(const QString& option, ArgScanner& scanner, GradientSettings& settings) {
    if (option == u"--scheme") {
        settings.presetRow =
            parseInteger(scanner.takeValue(option), option, 0, kGradientRowCount - 1);
    } else if (option == kSlotOption) {
        parseSlot(scanner.takeValue(option), settings);
    } else if (option == u"--background") {
        settings.backgroundColour = parseColour(scanner.takeValue(option), option);
        settings.backgroundEnabled = true;
    } else if (option == u"--bold") {
        settings.bold = true;
    } else if (option == u"--underline") {
        settings.underline = true;
    } else if (option == u"--italic") {
        settings.italic = true;
    } else if (option == u"--strikethrough") {
        settings.strikethrough = true;
    } else {
        return false;
    }
    return true;
}

int run(const QStringList& args) {
    GradientSettings settings;
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            return parseOption(option, scanner, settings);
        });
    settings.nickname = oneLine(singlePositional(positionals, QStringLiteral("le pseudo")));
    printResult(Genere_Degrade(settings, Decoupe_Pseudo(settings.nickname)));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("gradient"),
    QStringLiteral("colore un pseudo en dégradé de cinq couleurs, comme Chromanick Dégradé"),
    QStringLiteral(
        "gradient [--scheme N] [--slot J=#RRVVBB]... [--background #RRVVBB] [--bold] "
        "[--underline] [--italic] [--strikethrough] PSEUDO\n"
        "  --scheme N             dégradé prédéfini N de 0 à 35, ou 36 pour le dégradé perso "
        "(0 par défaut)\n"
        "  --slot J=#RRVVBB       couleur perso J (de 1 à 5) du dégradé 36 ; les autres restent "
        "sans couleur\n"
        "  --background #RRVVBB   ajoute une couleur d'arrière-plan\n"
        "  --bold, --underline, --italic, --strikethrough\n"
        "                         gras, souligné, italique, barré\n"
        "  PSEUDO                 le pseudo, coupé en cinq morceaux (peut être vide : \"\")"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
