// chromanick-cli render: what a code line looks like, as text, runs, HTML,
// BBCode or terminal colours, or written for another chat.
#include "args.h"
#include "dialects/plus3.h"
#include "formats.h"
#include "output.h"
#include "registry.h"
#include "storage/linedecoder.h"
#include "storage/textfile.h"

#include <QStringList>

#include <unistd.h>
#include <cstdio>

namespace chromanick::cli {

namespace {

using Format = const Dialect*;

QString readingNames() {
    QStringList names;
    for (const Reading& r : readings()) names.append(r.id);
    return names.join(QStringLiteral(", "));
}

const Reading& findReadingFor(const QString& name, const QString& option) {
    if (const Reading* reading = findReading(name)) return *reading;
    throw UsageError(QStringLiteral("Format de lecture inconnu pour %1 : « %2 » (formats : %3).")
                         .arg(option, name, readingNames()));
}

// Terminal colours on a terminal, the bare text anywhere else.
Format defaultFormat() {
    return findDialect(isatty(fileno(stdout)) ? QStringLiteral("ansi") : QStringLiteral("text"));
}

// Prints one line written in `format`; a result longer than the format's
// chat takes is printed all the same, with a warning.
void renderLine(const Reading& reading, Format format, const QString& line) {
    printWritten(*format, format->write(reading.read(line)));
}

QString usage() {
    QString text = QStringLiteral("render [--from ID] [--format FORMAT] CODE\n");
    for (const Reading& r : readings())
        text += QStringLiteral("  --from ") + r.id.leftJustified(16) + r.description + u'\n';
    for (const Dialect* d : writtenDialects())
        text += QStringLiteral("  --format ") + d->id.leftJustified(14) + d->description + u'\n';
    return text +
           QStringLiteral(
               "                         par défaut : ansi vers un terminal, text ailleurs\n"
               "  CODE                   la ligne de codes (un résultat par ligne s'il en a "
               "plusieurs), ou « - » pour lire chaque ligne de l'entrée standard (UTF-8, "
               "UTF-16 avec sa marque, ou Windows-1252)\n"
               "  Codes lus avec --from plus : %1, "
               "[b] [i] [u] [s] [c=X] [a=X] et leurs fermetures, fondus [/c=Y] [/a=Y], et "
               "les codes de contrôle IRC (gras, italique, souligné, barré, couleurs, remise "
               "à zéro)\n"
               "  Les couleurs de la palette (%2, [c=N]) sont celles qu'affichent les "
               "logiciels compatibles.\n"
               "  Un résultat plus long que ce que garde sa messagerie est écrit quand même, "
               "suivi d'un avertissement.")
               .arg(plus3::readCodesSummary(), plus3::paletteNumberForm());
}

constexpr qsizetype kInputChunk = 64 * 1024;

// Each line of standard input, decoded as the program's files are, is
// written as soon as it is read: only one line is held at a time.
void renderStandardInput(const Reading& reading, Format format) {
    textfile::LineDecoder decoder;
    const auto render = [&](const QStringList& lines) {
        for (const QString& line : lines) renderLine(reading, format, line);
    };
    while (const std::optional<QByteArray> chunk = readInput(kInputChunk))
        render(decoder.feed(*chunk));
    render(decoder.finish());
    if (decoder.failed()) {
        throw CliError(QStringLiteral("Impossible de lire l'entrée : ") + decoder.failure(), 1);
    }
}

// Line breaks in CODE separate lines, read one by one as those of "-" are.
QStringList codeLines(const QString& code) {
    if (code.isEmpty()) return {code};
    return textfile::splitLines(code);
}

int run(const QStringList& args) {
    Format format = nullptr;
    const Reading* reading = &readings().front();
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            if (option == u"--from") {
                reading = &findReadingFor(scanner.takeValue(option), option);
                return true;
            }
            if (option != u"--format") return false;
            format = &findFormat(scanner.takeValue(option), option);
            return true;
        });
    const QString code = singlePositional(positionals, QStringLiteral("le code"));
    if (format == nullptr) format = defaultFormat();
    if (code == u"-") {
        renderStandardInput(*reading, format);
        return 0;
    }
    for (const QString& line : codeLines(code)) renderLine(*reading, format, line);
    return 0;
}

const Registrar registrar{{
    QStringLiteral("render"),
    QStringLiteral("montre ce qu'affiche une ligne de codes : texte, morceaux, HTML, BBCode, "
                   "couleurs du terminal, ou l'écrit pour une autre messagerie"),
    usage(),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
