// chromanick-cli gradient: the code line of the gradient editor's "Générer le pseudo.".
#include "args.h"
#include "core/oneline.h"
#include "formats.h"
#include "gradient/gradient.h"
#include "gradient/smooth.h"
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

// The smooth gradient's options: --step and --stops only go with --smooth.
struct SmoothOptions {
    bool on = false;
    std::optional<int> step;
    std::optional<QList<BgrColor>> stops;
};

const QString kSmoothOption = QStringLiteral("--smooth");
const QString kStopsOption = QStringLiteral("--stops");

// "#RRGGBB,#RRGGBB,...": 1 to kSmoothStopsMax colours.
QList<BgrColor> parseStops(const QString& value) {
    if (value.isEmpty()) {
        throw UsageError(QStringLiteral("Aucune couleur pour %1 (format attendu : "
                                        "#RRVVBB,#RRVVBB,...).")
                             .arg(kStopsOption));
    }
    const QStringList items = value.split(QLatin1Char(','));
    if (items.size() > kSmoothStopsMax) {
        throw UsageError(QStringLiteral("Trop de couleurs pour %1 : %2 (%3 au plus).")
                             .arg(kStopsOption)
                             .arg(items.size())
                             .arg(kSmoothStopsMax));
    }
    QList<BgrColor> stops;
    for (const QString& item : items) stops.append(parseColour(item, kStopsOption));
    return stops;
}

bool parseSmoothOption(const QString& option, ArgScanner& scanner, SmoothOptions& smooth) {
    if (option == kSmoothOption) {
        smooth.on = true;
    } else if (option == u"--step") {
        smooth.step = parseInteger(scanner.takeValue(option), option, 1, kSmoothStepMax);
    } else if (option == kStopsOption) {
        smooth.stops = parseStops(scanner.takeValue(option));
    } else {
        return false;
    }
    return true;
}

CodeOps smoothOps(const GradientSettings& settings, const SmoothOptions& smooth) {
    return smoothGradientOps(settings,
                             smooth.stops.value_or(smoothStopsOfRow(settings, settings.presetRow)),
                             smooth.step.value_or(1));
}

int run(const QStringList& args) {
    GradientSettings settings;
    SmoothOptions smooth;
    const Dialect* to = nullptr;
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            return parseToOption(option, scanner, to) || parseOption(option, scanner, settings) ||
                   parseSmoothOption(option, scanner, smooth);
        });
    if (!smooth.on && (smooth.step || smooth.stops)) {
        throw UsageError(
            QStringLiteral("%1 ne s'emploie qu'avec %2.")
                .arg(smooth.step ? QStringLiteral("--step") : kStopsOption, kSmoothOption));
    }
    settings.nickname = oneLine(singlePositional(positionals, QStringLiteral("le pseudo")));
    printGenerated(to, smooth.on ? smoothOps(settings, smooth)
                                 : gradientOps(settings, Decoupe_Pseudo(settings.nickname)));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("gradient"),
    QStringLiteral("colore un pseudo en dégradé de cinq couleurs, comme Chromanick Dégradé"),
    QStringLiteral("gradient ") + toOptionSyntax() +
        QStringLiteral(" [--scheme N] [--slot J=#RRVVBB]... [--background #RRVVBB] [--bold] "
                       "[--underline] [--italic] [--strikethrough] [--smooth [--step N] "
                       "[--stops #RRVVBB,...]] PSEUDO\n") +
        toOptionUsage() +
        QStringLiteral(
            "  --scheme N             dégradé prédéfini N de 0 à 35, ou 36 pour le dégradé perso "
            "(0 par défaut)\n"
            "  --slot J=#RRVVBB       couleur perso J (de 1 à 5) du dégradé 36 ; les autres "
            "restent "
            "sans couleur\n"
            "  --background #RRVVBB   ajoute une couleur d'arrière-plan\n"
            "  --bold, --underline, --italic, --strikethrough\n"
            "                         gras, souligné, italique, barré\n"
            "  --smooth               dégradé fluide : une couleur par groupe de lettres, mélangée "
            "dans l'espace OKLab\n"
            "                         entre les couleurs du dégradé choisi (ses cinq couleurs, ou "
            "les couleurs perso données)\n"
            "  --step N               lettres par couleur, de 1 à 50 (1 par défaut ; avec "
            "--smooth)\n"
            "  --stops #RRVVBB,...    de 1 à 16 couleurs à la place de celles du dégradé "
            "(avec --smooth)\n"
            "  PSEUDO                 le pseudo, coupé en cinq morceaux, ou en groupes de N avec "
            "--smooth (peut être vide : \"\")"),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
