// compose and gradient written for another chat or format with --to.
#include "clirunner.h"
#include "dialects/registry.h"

#include <QStringList>

#include <gtest/gtest.h>

namespace {

// Generating command lines, each with an empty --to slot at the front.
const QList<QStringList> kGenerated{
    {"compose", "--bold", "--fg", "optrouge2", "--bg", "optableu3", "Bob"},
    {"compose", "--italic", "--strikethrough", "--custom-fg", "#123456", "--prefix", "<<", "Bob"},
    {"compose", "--dit-colour", "#FF0000", "--underline", "Bob"},
    {"compose", "--suppress-dit", "Bob"},
    {"gradient", "--scheme", "3", "--bold", "Nick"},
    {"gradient", "--background", "#00FF00", "--underline", "Chromanick"},
    {"gradient", "--smooth", "--step", "2", "--stops", "#FF0000,#00FF00,#0000FF", "Dégradé fluide"},
};

QStringList withTo(const QStringList& generated, const QString& id) {
    return QStringList{generated.first(), QStringLiteral("--to"), id} + generated.mid(1);
}

}  // namespace

// Without --to, and with the editors' own format, the line is the generator's
// own: a "Dit" colour, which has no text, is kept.
TEST(CliTo, TheEditorsFormatIsTheDefaultLineUnchanged) {
    const QString ownId = chromanick::editorsDialect().id;
    for (const QStringList& generated : kGenerated) {
        const CliRun plain = runCli(generated);
        const CliRun to = runCli(withTo(generated, ownId));
        EXPECT_EQ(to.out, plain.out) << generated.join(' ').toStdString();
        EXPECT_EQ(to.status, 0);
    }
    const QString dit = cliLine(kGenerated[2]);
    EXPECT_NE(cliLine({"render", "--format", ownId, dit}), dit);
}

// Every other format: the line the generator writes, read back and written
// in that format, as render does, the "Dit" colour giving nothing.
TEST(CliTo, EveryFormatWritesWhatRenderWritesOfTheLine) {
    for (const chromanick::Dialect* d : chromanick::writtenDialects()) {
        if (d == &chromanick::editorsDialect()) continue;
        for (const QStringList& generated : kGenerated) {
            const QString line = cliLine(generated);
            EXPECT_EQ(cliLine(withTo(generated, d->id)),
                      cliLine({"render", "--format", d->id, line}))
                << d->id.toStdString() << ": " << generated.join(' ').toStdString();
        }
    }
    EXPECT_EQ(cliLine({"compose", "--to", "pluslive", "--dit-colour", "#FF0000", "Bob"}),
              QStringLiteral("[c=1]Bob[/c]"));
    EXPECT_EQ(cliLine({"compose", "--to", "irc", "--bold", "--fg", "optrouge2", "Bob"}),
              QStringLiteral("\x02\x03"
                             "64Bob\x0F"));
    EXPECT_EQ(cliLine({"gradient", "--to", "discord", "--smooth", "--bold", "--stops",
                       "#FF0000,#0000FF", "abcde"}),
              QStringLiteral("```ansi\n\x1b[0;1;31ma\x1b[0;1;35mbc\x1b[0;1;34mde\x1b[0m\n```"));
}

// A nickname holding code characters is written as a code line would read
// it only in the editors' own format; elsewhere it stays text.
TEST(CliTo, CodeCharactersOfTheNicknameStayText) {
    const QString nick = QStringLiteral("a·#b");
    EXPECT_EQ(cliLine({"compose", "--to", "text", nick}), nick);
    EXPECT_EQ(cliLine({"gradient", "--to", "text", "--smooth", nick}), nick);
    EXPECT_EQ(cliLine({"render", "--format", "text", cliLine({"compose", nick})}),
              QStringLiteral("ab"));
}

// Over the chosen format's limit: printed whole, one warning, status 0; the
// default line warns of nothing, as ever.
TEST(CliTo, WarnsOfALineOverTheFormatsLimit) {
    const QStringList smooth{"gradient", "--smooth", "--stops", "#FF0000,#0000FF",
                             QString(50, u'x')};
    const CliRun plain = runCli(smooth);
    EXPECT_TRUE(plain.err.isEmpty()) << plain.err.toStdString();
    const CliRun own = runCli(withTo(smooth, chromanick::editorsDialect().id));
    EXPECT_EQ(own.status, 0);
    EXPECT_EQ(own.out, plain.out);
    EXPECT_EQ(own.err, QStringLiteral("Attention : %1 caractères, au-delà de la limite de 129 "
                                      "caractères de ce format.\n")
                           .arg(plain.out.size() - 1));
    EXPECT_TRUE(runCli(withTo(smooth, QStringLiteral("discord"))).err.isEmpty());
    // Black text on IRC: a colour code of 3 bytes, then the end of line code.
    const CliRun irc = runCli({"compose", "--to", "irc", QString(600, u'x')});
    EXPECT_EQ(irc.status, 0);
    EXPECT_TRUE(irc.out.contains(QString(600, u'x'))) << irc.out.toStdString();
    EXPECT_EQ(irc.err, QStringLiteral("Attention : 604 octets, au-delà de la limite de 510 "
                                      "octets de ce format.\n"));
}

TEST(CliTo, AnUnknownOrMissingFormatIsAUsageError) {
    expectUsageError({"compose", "--to", "msn", "Bob"}, QStringLiteral("« msn »"));
    expectUsageError({"gradient", "--to", "HTML", "Bob"}, QStringLiteral("« HTML »"));
    expectUsageError({"gradient", "--smooth", "--to", "", "Bob"}, QStringLiteral("«  »"));
    expectUsageError({"compose", "Bob", "--to"}, QStringLiteral("--to"));
}

TEST(CliTo, HelpListsEveryFormat) {
    for (const char* command : {"compose", "gradient"}) {
        const CliRun help = runCli({command, "--help"});
        EXPECT_TRUE(help.out.contains(QStringLiteral(" [--to FORMAT] "))) << command;
        for (const chromanick::Dialect* d : chromanick::writtenDialects())
            EXPECT_TRUE(help.out.contains(u' ' + d->id + u',') ||
                        help.out.contains(u' ' + d->id + u' '))
                << command << ": " << d->id.toStdString();
    }
}
