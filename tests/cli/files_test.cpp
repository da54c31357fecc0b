// chromanick-cli and the files around it: output names that are empty or
// links, the settings folder named by XDG_DATA_HOME, and projects with old
// line ends or a byte-order mark that lies. Scripts run in a work folder of
// their own, with "$CLI" the program and "$DATA" the data folder.
#include "cliworkfolder.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CliFiles : public CliWorkFolder {
protected:
    static QList<QByteArray> rawNames(const QByteArray& folder) { return entryNames(folder, true); }
    QList<QByteArray> workNames() const { return rawNames(QFile::encodeName(work.path())); }
};

}  // namespace

TEST_F(CliFiles, AnEmptyOutputNameIsBadInput) {
    expectUsageError({"export", "", "Bob"}, QStringLiteral("Il manque le fichier texte à écrire."));
    expectUsageError({"save-project", "", "Bob"},
                     QStringLiteral("Il manque le fichier de projet à écrire."));
    expectUsageError({"project", ""}, QStringLiteral("Il manque le fichier de projet."));
    // An empty nickname stays a nickname.
    ASSERT_EQ(run({"save-project", "empty.nkp", ""}).status, 0);
    EXPECT_EQ(run({"project", "empty.nkp"}).out, QStringLiteral("·$1·0\n"));
}

TEST_F(CliFiles, WritesThroughLinksReachTheirFileAndLoopsAreRefused) {
    // A chain of 5 links: the file at its end is written, the links stay.
    ASSERT_EQ(shell("echo old >real.txt && ln -s real.txt c5 && for i in 4 3 2 1; do"
                    " ln -s c$((i + 1)) c$i; done && \"$CLI\" export c1 Bob")
                  .status,
              0);
    EXPECT_TRUE(bytes("real.txt").contains("Bob"));
    ASSERT_EQ(run({"save-project", "c1", "Bob"}).status, 0);
    EXPECT_EQ(run({"project", "real.txt"}).out, QStringLiteral("·$1Bob·0\n"));
    EXPECT_EQ(workNames(), (QList<QByteArray>{"c1@", "c2@", "c3@", "c4@", "c5@", "real.txt"}));

    // A loop of two links, and a chain of 45: refused, nothing changed.
    ASSERT_EQ(shell("rm -f c* && echo old >real.txt && ln -s loop2 loop1 && ln -s loop1 loop2 &&"
                    " ln -s real.txt l45 && for i in $(seq 44 -1 1); do"
                    " ln -s l$((i + 1)) l$i; done")
                  .status,
              0);
    const QList<QByteArray> before = workNames();
    for (const char* command : {"export", "save-project"}) {
        for (const char* name : {"loop1", "l1", "l5"}) {
            const CliRun r = run({command, name, "Bob"});
            EXPECT_EQ(r.status, 1) << command << ' ' << name;
            EXPECT_TRUE(r.err.endsWith(
                QStringLiteral(" : Impossible d'enregistrer le fichier : %1\n").arg(name)))
                << r.err.toStdString();
        }
    }
    EXPECT_EQ(workNames(), before);
    EXPECT_EQ(bytes("real.txt"), QByteArray("old\n"));
}

TEST_F(CliFiles, TheSettingsFolderVariableIsTakenByteForByte) {
    // A data folder whose name is Latin-1, not UTF-8, holding the user's list.
    const QString latin1 = QStringLiteral("export XDG_DATA_HOME=\"$DATA/$(printf 'n\\351u')\"; ");
    ASSERT_EQ(shell(latin1 + "mkdir -p \"$XDG_DATA_HOME/Chromanick\" &&"
                             " printf '<<\\r\\n' >\"$XDG_DATA_HOME/Chromanick/combo1.dll\"")
                  .status,
              0);
    EXPECT_EQ(shell(latin1 + "\"$CLI\" compose --prefix-entry 56 x").out,
              QStringLiteral("·$1<<x·0\n"));
    EXPECT_EQ(
        shell(latin1 + "\"$CLI\" save-project u.nkp --prefix-entry 56 x && \"$CLI\" project u.nkp")
            .out,
        QStringLiteral("·$1<<x·0\n"));
    EXPECT_EQ(rawNames(QFile::encodeName(data.path())), QList<QByteArray>{"n\xE9u"});

    // A relative variable is ignored: the default folder is used.
    ASSERT_EQ(shell("mkdir -p rel/Chromanick \"$HOME/.local/share/Chromanick\" &&"
                    " printf 'rel\\r\\n' >rel/Chromanick/combo1.dll &&"
                    " printf 'home\\r\\n' >\"$HOME/.local/share/Chromanick/combo1.dll\"")
                  .status,
              0);
    EXPECT_EQ(shell("XDG_DATA_HOME=rel \"$CLI\" compose --prefix-entry 56 x").out,
              QStringLiteral("·$1homex·0\n"));
}

TEST_F(CliFiles, ProjectsWithCrLineEndsOrALyingMarkOpenOrFailWhole) {
    ASSERT_EQ(
        run({"save-project", "p.nkp", "--bold", "--italic", "--prefix-entry", "3", "Bob"}).status,
        0);
    const QString expected = run({"project", "p.nkp"}).out;
    ASSERT_TRUE(expected.contains(QStringLiteral("Bob")));
    ASSERT_EQ(shell("tr -d '\\n' <p.nkp >cr.nkp").status, 0);  // CR alone ends each line
    EXPECT_EQ(run({"project", "cr.nkp"}).out, expected);

    // A byte-order mark of UTF-8 before bytes that are not UTF-8.
    ASSERT_EQ(
        shell("printf '\\357\\273\\277' >bom.nkp && sed 's/^Bob/B\\xe9b/' p.nkp >>bom.nkp").status,
        0);
    const QByteArray before = bytes("bom.nkp");
    ASSERT_TRUE(
        before.contains("B\xE9"
                        "b"));
    const CliRun r = run({"project", "bom.nkp"});
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_TRUE(r.err.endsWith(QStringLiteral(" : Impossible d'ouvrir le fichier : bom.nkp\n")))
        << r.err.toStdString();
    EXPECT_EQ(bytes("bom.nkp"), before);
}
