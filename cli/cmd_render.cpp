// chromanick-cli render: what a code line looks like, as text, runs, HTML,
// BBCode or terminal colours.
#include "args.h"
#include "core/codeformats.h"
#include "output.h"
#include "registry.h"
#include "ui/reader/palettenumbers.h"

#include <QFile>
#include <QStringList>

#include <unistd.h>
#include <cstdio>

namespace chromanick::cli {

namespace {

using Format = QString (*)(const QList<CodeRun>&);

struct NamedFormat {
    const char16_t* name;
    Format write;
};

const NamedFormat kFormats[] = {
    {u"text", &visibleText},      {u"runs", &codeformat::runsListing},
    {u"html", &codeformat::html}, {u"bbcode", &codeformat::bbcode},
    {u"ansi", &codeformat::ansi},
};

QString formatNames() {
    QStringList names;
    for (const NamedFormat& f : kFormats) names.append(QString::fromUtf16(f.name));
    return names.join(QStringLiteral(", "));
}

Format findFormat(const QString& name, const QString& option) {
    for (const NamedFormat& f : kFormats) {
        if (name == QString::fromUtf16(f.name)) return f.write;
    }
    throw UsageError(QStringLiteral("Format inconnu pour %1 : « %2 » (formats : %3).")
                         .arg(option, name, formatNames()));
}

// Terminal colours on a terminal, the bare text anywhere else.
Format defaultFormat() {
    return isatty(fileno(stdout)) ? &codeformat::ansi : &visibleText;
}

// Every line of standard input, UTF-8, without its line break.
QStringList standardInputLines() {
    QFile input;
    if (!input.open(stdin, QIODevice::ReadOnly))
        throw CliError(QStringLiteral("Impossible de lire l'entrée standard."), 1);
    QString text = QString::fromUtf8(input.readAll());
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);
    if (text.isEmpty()) return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    for (QString& line : lines) {
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    }
    return lines;
}

int run(const QStringList& args) {
    Format format = nullptr;
    const QStringList positionals =
        scanArguments(args, [&](const QString& option, ArgScanner& scanner) {
            if (option != u"--format") return false;
            format = findFormat(scanner.takeValue(option), option);
            return true;
        });
    const QString code = singlePositional(positionals, QStringLiteral("le code"));
    if (format == nullptr) format = defaultFormat();
    const QStringList lines = code == u"-" ? standardInputLines() : QStringList{code};
    for (const QString& line : lines) printResult(format(readPlusCode(line)));
    return 0;
}

const Registrar registrar{{
    QStringLiteral("render"),
    QStringLiteral("montre ce qu'affiche une ligne de codes : texte, morceaux, HTML, BBCode, "
                   "couleurs du terminal"),
    QStringLiteral(
        "render [--format FORMAT] CODE\n"
        "  --format text          le texte visible seul\n"
        "  --format runs          une ligne par morceau : couleur, fond (#RRVVBB ou -), styles "
        "(b u i s ou -), texte, séparés par des tabulations\n"
        "  --format html          un <span style=\"…\"> par morceau, texte échappé\n"
        "  --format bbcode        [color=#RRVVBB] [b] [u] [i] [s] (le fond n'a pas de BBCode)\n"
        "  --format ansi          couleurs 24 bits et styles du terminal\n"
        "                         par défaut : ansi vers un terminal, text ailleurs\n"
        "  CODE                   la ligne de codes, ou « - » pour lire chaque ligne de "
        "l'entrée standard (un résultat par ligne)\n"
        "  Codes lus : ·# ·@ ·& ·' ·0 ·$N ·$(rrr,ggg,bbb) ·$#RRVVBB (fond après « , »), "
        "[b] [i] [u] [s] [c=X] [a=X] et leurs fermetures, fondus [/c=Y] [/a=Y]\n"
        "  Les couleurs de la palette (·$N, [c=N]) sont celles qu'affichent les logiciels "
        "compatibles."),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
