// The bash completion script the build writes from chromanick-cli's command
// table, run in bash on partial command lines.
#include "core/palettes.h"
#include "dialects/registry.h"

#include <QProcess>
#include <QStringList>

#include <gtest/gtest.h>

#include <string>

namespace {

// Sorted and joined by spaces, so that a failure shows the words.
std::string joined(QStringList words) {
    words.sort();
    return words.join(QLatin1Char(' ')).toStdString();
}

// The candidates the script offers for the last word of `words` (the first
// word being the program), as bash computes them when Tab is pressed.
std::string candidates(const QStringList& words) {
    static const QString body = QStringLiteral(
        "source \"$1\" || exit 9\n"
        "shift\n"
        "COMP_WORDS=(\"$@\")\n"
        "COMP_CWORD=$((${#COMP_WORDS[@]} - 1))\n"
        "COMP_LINE=\"${COMP_WORDS[*]}\"\n"
        "COMP_POINT=${#COMP_LINE}\n"
        "_chromanick_cli\n"
        "printf '%s\\n' \"${COMPREPLY[@]}\"\n");
    QProcess bash;
    bash.start(
        QStringLiteral("bash"),
        QStringList{QStringLiteral("--norc"), QStringLiteral("--noprofile"), QStringLiteral("-c"),
                    body, QStringLiteral("bash"), QStringLiteral(CHROMANICK_COMPLETION_PATH),
                    QStringLiteral("chromanick-cli")} +
            words);
    bash.waitForFinished(-1);
    EXPECT_EQ(bash.exitCode(), 0) << words.join(' ').toStdString();
    EXPECT_TRUE(bash.readAllStandardError().isEmpty()) << words.join(' ').toStdString();
    return joined(QString::fromUtf8(bash.readAllStandardOutput())
                      .split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

std::string optionsStartingWith(const QList<chromanick::PaletteEntry>& palette,
                                const QString& start) {
    QStringList names;
    for (const chromanick::PaletteEntry& e : palette) {
        if (e.option.startsWith(start)) names.append(e.option);
    }
    return joined(names);
}

}  // namespace

TEST(BashCompletion, IsRegisteredForTheProgram) {
    QProcess bash;
    bash.start(QStringLiteral("bash"),
               {QStringLiteral("--norc"), QStringLiteral("-c"),
                QStringLiteral("source \"$1\" && complete -p chromanick-cli"),
                QStringLiteral("bash"), QStringLiteral(CHROMANICK_COMPLETION_PATH)});
    bash.waitForFinished(-1);
    EXPECT_EQ(bash.exitCode(), 0);
    EXPECT_EQ(QString::fromUtf8(bash.readAllStandardOutput()).trimmed(),
              QStringLiteral("complete -o default -F _chromanick_cli chromanick-cli"));
}

TEST(BashCompletion, FirstWordIsACommandOrAProgramOption) {
    EXPECT_EQ(candidates({""}),
              "--help --version compose export gradient help lookalike palettes project render "
              "save-project version");
    EXPECT_EQ(candidates({"co"}), "compose");
    EXPECT_EQ(candidates({"--v"}), "--version");
    EXPECT_EQ(candidates({"p"}), "palettes project");
    EXPECT_EQ(candidates({"help", "l"}), "lookalike");
    EXPECT_EQ(candidates({"--help", "s"}), "save-project");
    EXPECT_EQ(candidates({"help", "compose", ""}), "");
}

TEST(BashCompletion, EachCommandOffersItsOwnOptions) {
    EXPECT_EQ(candidates({"compose", "--f"}), "--fg");
    EXPECT_EQ(candidates({"compose", "--s"}),
              "--strikethrough --suffix --suffix-entry --suppress-dit");
    EXPECT_EQ(candidates({"export", "sortie.txt", "--l"}), "--lookalike");
    EXPECT_EQ(candidates({"compose", "--l"}), "");
    EXPECT_EQ(candidates({"gradient", "--s"}),
              "--scheme --slot --smooth --step --stops --strikethrough");
    EXPECT_EQ(candidates({"lookalike", "--"}), "--help --remove");
    EXPECT_EQ(candidates({"render", "--"}), "--format --from --help");
    EXPECT_EQ(candidates({"palettes", "--"}), "--help");
    EXPECT_EQ(candidates({"version", "--"}), "--help");
    // Words that are not options are the nickname or a file: left to bash.
    EXPECT_EQ(candidates({"compose", "ab"}), "");
}

TEST(BashCompletion, ValuesComeFromThePalettesAndTheFormats) {
    using namespace chromanick;
    EXPECT_EQ(candidates({"compose", "--fg", "Option2"}),
              optionsStartingWith(ForegroundPalette(), "Option2"));
    EXPECT_EQ(candidates({"compose", "--bold", "--fg", ""}),
              optionsStartingWith(ForegroundPalette(), ""));
    EXPECT_EQ(candidates({"save-project", "p.nkp", "--bg", "opta"}),
              optionsStartingWith(BackgroundPalette(), "opta"));
    EXPECT_EQ(candidates({"export", "s.txt", "--bg", "Option3"}),
              optionsStartingWith(BackgroundPalette(), "Option3"));
    EXPECT_EQ(candidates({"compose", "--fg", "optcouleurperso"}), "optcouleurperso1");

    QStringList written;
    for (const Dialect& d : dialects()) {
        if (d.write != nullptr) written.append(d.id);
    }
    EXPECT_EQ(candidates({"render", "--format", ""}), joined(written));
    EXPECT_EQ(candidates({"render", "--format", "h"}), "html");
    EXPECT_EQ(candidates({"render", "--from", "m"}), "minecraft minimessage");
    EXPECT_EQ(candidates({"gradient", "--to", ""}), joined(written));
    EXPECT_EQ(candidates({"compose", "--bold", "--to", "plus"}), "plus3 pluslive");
}

TEST(BashCompletion, FreeValuesAndTheEndOfOptionsOfferNothing) {
    EXPECT_EQ(candidates({"compose", "--prefix", ""}), "");
    EXPECT_EQ(candidates({"compose", "--custom-fg", ""}), "");
    EXPECT_EQ(candidates({"gradient", "--stops", ""}), "");
    // "--fg" here is the value of --prefix, so the next word is an option.
    EXPECT_EQ(candidates({"compose", "--prefix", "--fg", "--b"}), "--bg --bold");
    EXPECT_EQ(candidates({"compose", "--", "--b"}), "");
    EXPECT_EQ(candidates({"compose", "--bold", "--", "--fg", ""}), "");
}
