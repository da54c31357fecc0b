#include "formats.h"

#include "args.h"
#include "messages.h"
#include "output.h"

#include <QStringList>

namespace chromanick::cli {

namespace {

const QString kToOption = QStringLiteral("--to");

}  // namespace

QString formatNames() {
    QStringList names;
    for (const Dialect* d : writtenDialects()) names.append(d->id);
    return names.join(QStringLiteral(", "));
}

const Dialect& findFormat(const QString& name, const QString& option) {
    for (const Dialect* d : writtenDialects()) {
        if (name == d->id) return *d;
    }
    throw UsageError(QStringLiteral("Format inconnu pour %1 : « %2 » (formats : %3).")
                         .arg(option, name, formatNames()));
}

void printWritten(const Dialect& format, const QString& result) {
    printResult(result);
    if (format.limit <= 0) return;
    const qsizetype length = format.length(result);
    if (length > format.limit) printError(message::overLimit(length, format.limit, format.unit));
}

QString toOptionSyntax() {
    return QStringLiteral("[--to FORMAT]");
}

QString toOptionUsage() {
    return QStringLiteral(
               "  --to FORMAT            la ligne écrite pour une autre messagerie ou un autre "
               "format, ceux de render --format : %1 (%2 par défaut) ; plus long que ce que garde "
               "sa messagerie, il est écrit quand même, suivi d'un avertissement\n")
        .arg(formatNames(), editorsDialect().id);
}

bool parseToOption(const QString& option, ArgScanner& scanner, const Dialect*& to) {
    if (option != kToOption) return false;
    to = &findFormat(scanner.takeValue(option), option);
    return true;
}

void printGenerated(const Dialect* to, const CodeOps& ops) {
    if (to == nullptr)
        printResult(writeOps(editorsDialect(), ops));
    else
        printWritten(*to, writeOps(*to, ops));
}

}  // namespace chromanick::cli
