#pragma once

#include "args.h"
#include "core/codeops.h"
#include "dialects/registry.h"

#include <QString>

// The formats a command writes its result in, every one taken from the
// table of formats (dialects/registry.h).
namespace chromanick::cli {

// Every format's id, in the table's order, separated by ", ".
QString formatNames();

// The written format called `name`; else a UsageError naming `option`, the
// value and every format.
const Dialect& findFormat(const QString& name, const QString& option);

// Prints `result`, written in `format`; a result longer than the format's
// chat takes is printed all the same, followed by a warning on stderr.
void printWritten(const Dialect& format, const QString& result);

// "--to FORMAT" of the commands that generate a line (compose, gradient):
// its syntax, and its lines in the usage.
QString toOptionSyntax();
QString toOptionUsage();

// Handles "--to FORMAT", setting `to`; returns false for any other option.
bool parseToOption(const QString& option, ArgScanner& scanner, const Dialect*& to);

// Prints a generator's line: without --to (`to` null) the editors' own code
// line exactly as ever; with it, the line written in that format.
void printGenerated(const Dialect* to, const CodeOps& ops);

}  // namespace chromanick::cli
