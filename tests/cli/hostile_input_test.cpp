// chromanick-cli against what an adversarial user throws at it: saves of the
// same project running at once, working files that are links, line breaks
// and marks inside arguments, file names that are not UTF-8.
#include "cliworkfolder.h"

#include <QDir>
#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class HostileInput : public CliWorkFolder {
protected:
    QString line(const QStringList& args) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        return r.out.endsWith(QLatin1Char('\n')) ? r.out.chopped(1) : QStringLiteral("<failed>");
    }
    // The work folder's entries as the system names them.
    QList<QByteArray> rawNames() const { return entryNames(QFile::encodeName(work.path()), false); }
};

}  // namespace

TEST_F(HostileInput, ConcurrentSavesEndAsOneWholeSave) {
    const QString a = QString(20000, QLatin1Char('A'));
    const QString b = QString(15000, QLatin1Char('B'));
    // Each save alone, for comparison.
    ASSERT_EQ(run({"save-project", "a.nkp", "--bold", "--fg", "optbleu1", a}).status, 0);
    ASSERT_EQ(run({"save-project", "b.nkp", "--italic", "--prefix-entry", "3", b}).status, 0);
    const QByteArray wholeA = bytes("a.nkp");
    const QByteArray wholeB = bytes("b.nkp");
    ASSERT_NE(wholeA, wholeB);

    // Two programs save p.nkp at the same moment, 40 times: different saves,
    // then the same save twice. Each round keeps the file and both statuses.
    const QString twoSaves = QStringLiteral(
        "for i in $(seq 40); do rm -f p.nkp; mkdir -p r$i;"
        " { \"$CLI\" save-project p.nkp --bold --fg optbleu1 %1 2>r$i/errA; echo $? >r$i/A; } &"
        " { \"$CLI\" save-project p.nkp %2 %3 2>r$i/errB; echo $? >r$i/B; } &"
        " wait; cp p.nkp r$i/result 2>/dev/null; done");
    const QString different = twoSaves.arg(a, QStringLiteral("--italic --prefix-entry 3"), b);
    const QString same = twoSaves.arg(a, QStringLiteral("--bold --fg optbleu1"), a);
    for (const QString& script : {different, same}) {
        ASSERT_EQ(shell(script).status, 0);
        int failures = 0;
        for (int round = 1; round <= 40; ++round) {
            const QString r = QStringLiteral("r%1/").arg(round);
            bool saved = false;
            for (const char* side : {"A", "B"}) {
                const QByteArray status = bytes(r + side);
                const QByteArray errors = bytes(r + "err" + side);
                // Either saved, or said it could not.
                if (status == "0\n") {
                    saved = true;
                    EXPECT_TRUE(errors.isEmpty()) << errors.data();
                } else {
                    ++failures;
                    EXPECT_EQ(status, "1\n");
                    EXPECT_TRUE(errors.contains("Impossible d'enregistrer le fichier : p.nkp"))
                        << errors.data();
                }
            }
            const QByteArray result = bytes(r + "result");
            if (saved) {
                EXPECT_TRUE(result == wholeA || result == wholeB)
                    << "round " << round << ": " << result.left(300).toStdString();
            }
        }
        EXPECT_LT(failures, 80);  // waiting for the other save is the rule
        EXPECT_FALSE(QFile::exists(work.filePath("p.nkp.tmp")));
        shell("rm -rf r*");
    }
}

TEST_F(HostileInput, WorkingFileThatIsALinkNeverLeadsTheSaveElsewhere) {
    ASSERT_EQ(shell("echo keep >victim.txt && ln -s victim.txt prev.nkp.tmp && "
                    "\"$CLI\" save-project prev.nkp X")
                  .status,
              0);
    EXPECT_EQ(bytes("victim.txt"), QByteArray("keep\n"));
    EXPECT_EQ(line({"project", "prev.nkp"}), QStringLiteral("·$1X·0"));
    EXPECT_EQ(rawNames(), (QList<QByteArray>{"prev.nkp", "victim.txt"}));
}

TEST_F(HostileInput, LineBreaksInNicknamesAndDecorationsBecomeSpaces) {
    ASSERT_EQ(run({"save-project", "nl.nkp", "--bold", "a\nb"}).status, 0);
    EXPECT_EQ(line({"project", "nl.nkp"}), QStringLiteral("·#·$1a b·0"));
    ASSERT_EQ(run({"save-project", "crlf.nkp", "a\r\nb\rc\n\nd"}).status, 0);
    EXPECT_EQ(line({"project", "crlf.nkp"}), QStringLiteral("·$1a b c  d·0"));
    EXPECT_EQ(line({"compose", "--prefix", "<\r\n", "--suffix", "\n>", "a\nb"}),
              QStringLiteral("·$1< a b >·0"));
    EXPECT_EQ(line({"compose", "a\r\nb"}), line({"compose", "a b"}));
    EXPECT_EQ(line({"gradient", "ab\ncd\r\nef"}), line({"gradient", "ab cd ef"}));
    ASSERT_EQ(run({"export", "nl.txt", "x\ny"}).status, 0);
    EXPECT_TRUE(
        bytes("nl.txt").contains("$1x y\xC2\xB7"
                                 "0\r\n"));  // one line, in UTF-8
}

TEST_F(HostileInput, FileNamesKeepTheirExactBytes) {
    // "lat\xe9.nkp" is no UTF-8: the file gets exactly those bytes.
    ASSERT_EQ(shell("\"$CLI\" save-project \"$(printf 'lat\\351.nkp')\" X").status, 0);
    EXPECT_EQ(rawNames(), QList<QByteArray>{"lat\xE9.nkp"});
    const CliRun latin = shell("\"$CLI\" project \"$(printf 'lat\\351.nkp')\"");
    EXPECT_EQ(latin.status, 0) << latin.err.toStdString();
    EXPECT_EQ(latin.out, QStringLiteral("·$1X·0\n"));

    // "\xfe\xfd.nkp" and "\xef\xbf\xbd\xef\xbf\xbd.nkp" (U+FFFD twice) are two files.
    ASSERT_EQ(shell("\"$CLI\" save-project \"$(printf '\\376\\375.nkp')\" Raw && "
                    "\"$CLI\" save-project \"$(printf '\\357\\277\\275\\357\\277\\275.nkp')\" Rep")
                  .status,
              0);
    EXPECT_EQ(shell("\"$CLI\" project \"$(printf '\\376\\375.nkp')\"").out,
              QStringLiteral("·$1Raw·0\n"));
    EXPECT_EQ(rawNames().size(), 3);
    // Not found: the message shows the name, with U+FFFD for the stray bytes.
    const CliRun missing = shell("\"$CLI\" project \"$(printf 'no\\351.nkp')\"");
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(missing.err.contains(QStringLiteral("Impossible d'ouvrir le fichier : no")));
    shell("rm -f ./*");  // QTemporaryDir cannot name these files
}

TEST_F(HostileInput, ColoursMustBeTheWholeValue) {
    for (const QStringList& args :
         {QStringList{"compose", "--custom-fg", "#123456\n", "x"},
          QStringList{"compose", "--custom-bg", "#123456\n", "x"},
          QStringList{"compose", "--dit-colour", "#123456\n", "x"},
          QStringList{"compose", "--prefix-entry", "3\n", "x"},
          QStringList{"gradient", "--background", "#123456\n", "x"},
          QStringList{"gradient", "--slot", "1=#123456\n", "x"},
          QStringList{"gradient", "--scheme", "3\n", "x"},
          QStringList{"save-project", "p.nkp", "--custom-fg", "#123456\n", "x"}}) {
        const CliRun r = run(args);
        EXPECT_EQ(r.status, 2) << args.join(' ').toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(work.filePath("p.nkp")));
    EXPECT_EQ(line({"compose", "--custom-fg", "#123456", "x"}),
              line({"compose", "--custom-fg", "#123456", "--", "x"}));
}

TEST_F(HostileInput, ArgumentsKeepALeadingMarkAndValuesMayLookLikeOptions) {
    EXPECT_EQ(line({"compose", QStringLiteral("\uFEFFX")}), QStringLiteral("·$1\uFEFFX·0"));
    ASSERT_EQ(run({"save-project", "bom.nkp", QStringLiteral("\uFEFFX")}).status, 0);
    EXPECT_EQ(line({"project", "bom.nkp"}), QStringLiteral("·$1\uFEFFX·0"));
    // An option's value is the next argument, whatever it is.
    EXPECT_EQ(line({"compose", "--prefix", "--help", "x"}), QStringLiteral("·$1--helpx·0"));
    EXPECT_EQ(line({"compose", "--suffix", "--", "x"}), QStringLiteral("·$1x--·0"));
    EXPECT_TRUE(line({"compose", "--bold", "--help", "x"}).startsWith("chromanick-cli compose"));
    EXPECT_EQ(line({"compose", "--", "--help"}), QStringLiteral("·$1--help·0"));
}
