#include "editorsession.h"

#include "core/decorations.h"
#include "core/palettes.h"
#include "output.h"
#include "userdecorations.h"

namespace chromanick::cli {

EditorCommandLine parseEditorCommandLine(const QStringList& args, const QString& fileWhat) {
    EditorCommandLine line;
    line.options = initialComposeOptions();
    QStringList positionals = scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
        if (option == u"--lookalike") return line.lookalike = true;
        return parseComposeOption(option, scanner, line.options);
    });
    if (positionals.isEmpty()) throw UsageError(QStringLiteral("Il manque %1.").arg(fileWhat));
    line.file = requireFileName(positionals.takeFirst(), fileWhat);
    line.options.settings.Nickname = singlePositional(positionals, QStringLiteral("le pseudo"));
    return line;
}

QString editorCommandOptionsUsage() {
    return composeOptionsUsage() +
           QStringLiteral(
               "\n  --lookalike            coche « caractères spéciaux » : lettres "
               "remplacées par leurs sosies\n"
               "  --prefix-entry N et --suffix-entry N atteignent aussi les entrées de "
               "combo1.dll et combo2.dll\n"
               "  PSEUDO                 le pseudo (peut être vide : \"\")");
}

// --- HeadlessPlatform ---

MessageAnswer HeadlessPlatform::message(const QString& text, const QString&, MessageIcon icon,
                                        MessageButtons buttons) {
    if (icon == MessageIcon::Critical) errors.append(text);
    return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::No;
}

std::optional<BgrColor> HeadlessPlatform::pickColour(const QString& dialog, BgrColor) {
    if (!colours.contains(dialog)) return std::nullopt;
    return colours.value(dialog);
}

std::optional<QString> HeadlessPlatform::path() const {
    if (filePath.isEmpty()) return std::nullopt;
    return filePath;
}

std::optional<QString> HeadlessPlatform::saveFileName(const QString&, const QString&,
                                                      const QString&) {
    return path();
}

std::optional<QString> HeadlessPlatform::openFileName(const QString&, const QString&) {
    return path();
}

void HeadlessPlatform::clearClipboard() {
    clipboard_.reset();
}
void HeadlessPlatform::setClipboardText(const QString& text) {
    clipboard_ = text;
}
bool HeadlessPlatform::clipboardHasText() {
    return clipboard_.has_value();
}
QString HeadlessPlatform::clipboardText() {
    return clipboard_.value_or(QString());
}
void HeadlessPlatform::openUrl(const QString&) {}

// --- EditorSession ---

EditorSession::EditorSession() : model(platform) {
    const UserDecorations user = readUserDecorations();
    model.fillDecorationLists(user.prefixes, user.suffixes);
}

void EditorSession::setUp(const ComposeOptions& options, bool lookalike) {
    const NickSettings& s = options.settings;
    if (s.DitColourOn && s.DitSuppressed) {
        throw UsageError(QStringLiteral(
            "--dit-colour et --suppress-dit s'excluent : l'éditeur ne peut pas changer la "
            "couleur du mot « Dit » et le supprimer en même temps."));
    }
    setDecorations(options);
    model.setNickname(s.Nickname);
    model.setLookalike(lookalike);
    model.setBold(s.Bold);
    model.setUnderline(s.Underline);
    model.setItalic(s.Italic);
    model.setStrikethrough(s.Strikethrough);
    setColours(s);
    model.setDitSuppressed(s.DitSuppressed);
}

// A custom colour is chosen as the user would: a double-click on its option
// opens the dialog, which answers with the colour given.
void EditorSession::setColours(const NickSettings& s) {
    if (s.CustomForeground != 0 || s.ForegroundOption == kCustomForegroundOption) {
        platform.colours[QStringLiteral("cmdialcolor1")] = s.CustomForeground;
        model.customForegroundDoubleClicked();
    }
    model.pickForeground(s.ForegroundOption);
    if (s.CustomBackground != 0 || s.BackgroundOption == kCustomBackgroundOption) {
        platform.colours[QStringLiteral("cmdialcolor2")] = s.CustomBackground;
        model.customBackgroundDoubleClicked();
    }
    model.pickBackground(s.BackgroundOption);
    if (s.DitColourOn) {
        platform.colours[QStringLiteral("cmdialcolor3")] = s.DitColour;
        model.setDitColourOn(true);
    }
}

// A position picks that entry of the list; a text is typed into the box.
void EditorSession::setDecorations(const ComposeOptions& options) {
    ComposeOptions checked = options;
    applyDecorationEntries(checked, model.prefixes().entries(), model.suffixes().entries());
    if (options.prefixEntry)
        model.pickPrefix(*options.prefixEntry);
    else if (!options.settings.Prefix.isEmpty())
        model.typePrefix(options.settings.Prefix);
    if (options.suffixEntry)
        model.pickSuffix(*options.suffixEntry);
    else if (!options.settings.Suffix.isEmpty())
        model.typeSuffix(options.settings.Suffix);
}

void EditorSession::throwIfFailed() const {
    if (!platform.errors.isEmpty()) throw CliError(platform.errors.last(), 1);
}

}  // namespace chromanick::cli
