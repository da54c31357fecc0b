// chromanick-cli render: what a code line looks like, as text, runs, HTML,
// BBCode or terminal colours.
#include "args.h"
#include "dialects/palettenumbers.h"
#include "dialects/registry.h"
#include "output.h"
#include "registry.h"

#include <QFile>
#include <QStringList>

#include <unistd.h>
#include <cstdio>

namespace chromanick::cli {

namespace {

using Format = Dialect::Writer;

// The formats --format takes: every one runs can be written in.
QList<const Dialect*> writtenFormats() {
    QList<const Dialect*> formats;
    for (const Dialect& d : dialects()) {
        if (d.write != nullptr) formats.append(&d);
    }
    return formats;
}

QString formatNames() {
    QStringList names;
    for (const Dialect* d : writtenFormats()) names.append(d->id);
    return names.join(QStringLiteral(", "));
}

Format findFormat(const QString& name, const QString& option) {
    for (const Dialect* d : writtenFormats()) {
        if (name == d->id) return d->write;
    }
    throw UsageError(QStringLiteral("Format inconnu pour %1 : « %2 » (formats : %3).")
                         .arg(option, name, formatNames()));
}

// Terminal colours on a terminal, the bare text anywhere else.
Format defaultFormat() {
    return findDialect(isatty(fileno(stdout)) ? QStringLiteral("ansi") : QStringLiteral("text"))
        ->write;
}

QString usage() {
    QString text = QStringLiteral("render [--format FORMAT] CODE\n");
    for (const Dialect* d : writtenFormats())
        text += QStringLiteral("  --format ") + d->id.leftJustified(14) + d->description + u'\n';
    return text +
           QStringLiteral(
               "                         par défaut : ansi vers un terminal, text ailleurs\n"
               "  CODE                   la ligne de codes, ou « - » pour lire chaque ligne "
               "de l'entrée standard (un résultat par ligne)\n"
               "  Codes lus : ·# ·@ ·& ·' ·0 ·$N ·$(rrr,ggg,bbb) ·$#RRVVBB (fond après « , »), "
               "[b] [i] [u] [s] [c=X] [a=X] et leurs fermetures, fondus [/c=Y] [/a=Y]\n"
               "  Les couleurs de la palette (·$N, [c=N]) sont celles qu'affichent les "
               "logiciels compatibles.");
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
    usage(),
    &run,
}};

}  // namespace

}  // namespace chromanick::cli
