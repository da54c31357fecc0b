#include "completion.h"

#include "core/palettes.h"
#include "dialects/registry.h"
#include "output.h"

#include <QRegularExpression>

namespace chromanick::cli {

namespace {

const QString kFunction = QStringLiteral("_chromanick_cli");

QStringList paletteOptions(const QList<PaletteEntry>& palette) {
    QStringList names;
    for (const PaletteEntry& e : palette) names.append(e.option);
    return names;
}

// The values an option picks from a table; empty for a free value.
QStringList valuesOf(const QString& option) {
    if (option == u"--fg") return paletteOptions(ForegroundPalette());
    if (option == u"--bg") return paletteOptions(BackgroundPalette());
    if (option == u"--format" || option == u"--to") {
        QStringList ids;
        for (const Dialect* d : writtenDialects()) ids.append(d->id);
        return ids;
    }
    if (option == u"--from") {
        QStringList ids;
        for (const Reading& r : readings()) ids.append(r.id);
        return ids;
    }
    return {};
}

// Words go into the script between single quotes, split by bash on spaces.
QString wordList(const QStringList& words) {
    static const QRegularExpression plain(QStringLiteral("^[A-Za-z0-9_.,:#=+-]+$"));
    for (const QString& w : words) {
        if (!plain.match(w).hasMatch()) {
            throw CliError(QStringLiteral("Mot impossible à compléter tel quel : « %1 ».").arg(w),
                           1);
        }
    }
    return QLatin1Char('\'') + words.join(QLatin1Char(' ')) + QLatin1Char('\'');
}

QString completeFrom(const QStringList& words) {
    return QStringLiteral("COMPREPLY=($(compgen -W %1 -- \"$cur\"))").arg(wordList(words));
}

// `case` patterns: every "command:option" pair whose option takes a value,
// grouped by option so that each option's values are written once.
QString valueFunction(const QList<Command>& commands) {
    QStringList order;
    QHash<QString, QStringList> patterns;
    for (const Command& c : commands) {
        for (const OptionSyntax& o : optionsOf(c)) {
            if (!o.takesValue) continue;
            if (!patterns.contains(o.name)) order.append(o.name);
            patterns[o.name].append(c.name + QLatin1Char(':') + o.name);
        }
    }
    QString text = QStringLiteral(
                       "# Succeeds when option $2 of command $1 takes a value, with the values\n"
                       "# to choose from in REPLY (empty for a free value).\n") +
                   kFunction + QStringLiteral("_values() {\n    case $1:$2 in\n");
    QStringList free;
    for (const QString& option : order) {
        const QStringList values = valuesOf(option);
        if (values.isEmpty()) {
            free += patterns[option];
            continue;
        }
        text += QStringLiteral("        %1) REPLY=%2 ;;\n")
                    .arg(patterns[option].join(QLatin1Char('|')), wordList(values));
    }
    if (!free.isEmpty()) {
        text += QStringLiteral("        %1) REPLY= ;;\n").arg(free.join(QLatin1Char('|')));
    }
    return text + QStringLiteral("        *) return 1 ;;\n    esac\n}\n");
}

QString commandCases(const QList<Command>& commands, const QStringList& helpWords) {
    QStringList names;
    for (const Command& c : commands) names.append(c.name);
    QString text = QStringLiteral("        %1) ((COMP_CWORD == 2)) && %2 ;;\n")
                       .arg(helpWords.join(QLatin1Char('|')), completeFrom(names));
    for (const Command& c : commands) {
        QStringList options;
        for (const OptionSyntax& o : optionsOf(c)) options.append(o.name);
        options.append(QStringLiteral("--help"));
        text += QStringLiteral("        %1) [[ $cur == -* ]] && %2 ;;\n")
                    .arg(c.name, completeFrom(options));
    }
    return text;
}

}  // namespace

QList<OptionSyntax> optionsOf(const Command& command) {
    static const QRegularExpression option(QStringLiteral("^\\[*(--[a-z][a-z-]*)(\\]*)$"));
    const QString syntax = command.usage.section(QLatin1Char('\n'), 0, 0);
    const QStringList tokens = syntax.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<OptionSyntax> options;
    for (qsizetype i = 0; i < tokens.size(); ++i) {
        const QRegularExpressionMatch m = option.match(tokens.at(i));
        if (!m.hasMatch()) continue;
        const bool closed = !m.captured(2).isEmpty();
        const bool followed = i + 1 < tokens.size() && !tokens.at(i + 1).startsWith(u'[') &&
                              !tokens.at(i + 1).startsWith(QStringLiteral("--"));
        options.append({m.captured(1), !closed && followed});
    }
    return options;
}

QString bashCompletion(const QList<Command>& commands, const QStringList& helpWords,
                       const QStringList& otherWords) {
    QStringList first;
    for (const Command& c : commands) first.append(c.name);
    first += helpWords + otherWords;
    return QStringLiteral(
               "# bash completion for chromanick-cli, written by the program from its own\n"
               "# command table when it is built.\n\n") +
           valueFunction(commands) + QStringLiteral("\n") + kFunction +
           QStringLiteral(
               "() {\n"
               "    local cur=${COMP_WORDS[COMP_CWORD]} command=${COMP_WORDS[1]} REPLY i\n"
               "    COMPREPLY=()\n"
               "    if ((COMP_CWORD == 1)); then\n"
               "        %1\n"
               "        return 0\n"
               "    fi\n"
               "    # Past a lone \"--\" only the nickname or a file remains; the value of\n"
               "    # an option comes from its table, or is free.\n"
               "    for ((i = 2; i < COMP_CWORD; i++)); do\n"
               "        [[ ${COMP_WORDS[i]} == -- ]] && return 0\n"
               "        %2_values \"$command\" \"${COMP_WORDS[i]}\" || continue\n"
               "        if ((i + 1 == COMP_CWORD)); then\n"
               "            compopt +o default 2>/dev/null\n"
               "            COMPREPLY=($(compgen -W \"$REPLY\" -- \"$cur\"))\n"
               "            return 0\n"
               "        fi\n"
               "        i=$((i + 1))\n"
               "    done\n"
               "    case $command in\n")
               .arg(completeFrom(first), kFunction) +
           commandCases(commands, helpWords) +
           QStringLiteral(
               "    esac\n"
               "    return 0\n"
               "}\n"
               "complete -o default -F %1 chromanick-cli")
               .arg(kFunction);
}

}  // namespace chromanick::cli
