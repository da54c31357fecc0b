#include "args.h"

#include "output.h"
#include "storage/nativefile.h"

#include <QRegularExpression>

namespace chromanick::cli {

namespace {

const QString kEndOfOptions = QStringLiteral("--");
const QString kHelpOption = QStringLiteral("--help");

// The one positional argument, as decodeArguments gave it (maybe empty).
QString singleArgument(const QStringList& positionals, const QString& what) {
    if (positionals.isEmpty()) throw UsageError(QStringLiteral("Il manque %1.").arg(what));
    if (positionals.size() > 1) {
        throw UsageError(
            QStringLiteral("Argument en trop : « %1 ».").arg(argumentText(positionals.at(1))));
    }
    return positionals.front();
}

}  // namespace

std::optional<ArgScanner::Arg> ArgScanner::take() {
    while (pos_ < args_.size()) {
        const QString& arg = args_.at(pos_++);
        if (!optionsEnded_ && arg == kEndOfOptions) {
            optionsEnded_ = true;
            continue;
        }
        return Arg{arg, !optionsEnded_ && arg.startsWith(kEndOfOptions)};
    }
    return std::nullopt;
}

QString ArgScanner::takeValue(const QString& option) {
    if (pos_ >= args_.size()) {
        throw UsageError(QStringLiteral("Valeur manquante après %1.").arg(option));
    }
    return argumentText(args_.at(pos_++));
}

QStringList scanArguments(const QStringList& args, const OptionHandler& handle) {
    ArgScanner scanner(args);
    QStringList positionals;
    while (const auto arg = scanner.take()) {
        if (!arg->isOption) {
            positionals.append(arg->text);
        } else if (arg->text == kHelpOption) {
            throw HelpRequested();
        } else if (!handle(arg->text, scanner)) {
            throw UsageError(QStringLiteral("Option inconnue : %1.").arg(arg->text));
        }
    }
    return positionals;
}

QStringList decodeArguments(int argc, const char* const* argv) {
    QStringList args;
    for (int i = 1; i < argc; ++i) args.append(nativefile::decodeName(argv[i]));
    return args;
}

QString argumentText(const QString& argument) {
    // The bytes that were no UTF-8 are the low surrogates without a high one.
    QString text = argument;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool paired = i > 0 && text[i - 1].isHighSurrogate();
        if (text[i].isLowSurrogate() && !paired) text[i] = QChar::ReplacementCharacter;
    }
    return text;
}

QString requireFileName(const QString& name, const QString& what) {
    if (name.isEmpty()) throw UsageError(QStringLiteral("Il manque %1.").arg(what));
    return name;
}

QString singleFileName(const QStringList& positionals, const QString& what) {
    return requireFileName(singleArgument(positionals, what), what);
}

QString singlePositional(const QStringList& positionals, const QString& what) {
    return argumentText(singleArgument(positionals, what));
}

BgrColor parseColour(const QString& text, const QString& option) {
    // Anchored as a whole: "$" alone would also let a final line feed through.
    static const QRegularExpression form(
        QRegularExpression::anchoredPattern(QStringLiteral("#([0-9A-Fa-f]{6})")));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch()) {
        throw UsageError(
            QStringLiteral("Couleur invalide pour %1 : « %2 » (format attendu : #RRVVBB).")
                .arg(option, text));
    }
    const uint rgb = match.captured(1).toUInt(nullptr, 16);
    return bgrFromRgb(int(rgb >> 16), int(rgb >> 8), int(rgb));
}

int parseInteger(const QString& text, const QString& option, int min, int max) {
    static const QRegularExpression digits(
        QRegularExpression::anchoredPattern(QStringLiteral("-?[0-9]{1,9}")));
    if (!digits.match(text).hasMatch()) {
        throw UsageError(QStringLiteral("Nombre invalide pour %1 : « %2 ».").arg(option, text));
    }
    const int value = text.toInt();
    if (value < min || value > max) {
        throw UsageError(QStringLiteral("Valeur hors limites pour %1 : %2 (de %3 à %4).")
                             .arg(option, text)
                             .arg(min)
                             .arg(max));
    }
    return value;
}

}  // namespace chromanick::cli
