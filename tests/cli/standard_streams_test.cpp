// Standard output and input that fail: a full disk, a closed pipe, a folder.
#include "clirunner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kWriteFailure = QStringLiteral("chromanick-cli : Impossible d'écrire la sortie : ");
const QString kReadFailure = QStringLiteral("chromanick-cli : Impossible de lire l'entrée : ");

CliRun runWithStreams(const QStringList& args, const QString& output, const QString& input) {
    QProcess process;
    if (!output.isEmpty()) process.setStandardOutputFile(output);
    if (!input.isEmpty()) process.setStandardInputFile(input);
    process.start(QStringLiteral(CHROMANICK_CLI_PATH), args);
    return finishRun(process);
}

// Status 1 and one line on stderr: `failure` followed by the system's reason.
void expectFailure(const CliRun& run, const QString& failure, const QStringList& args) {
    const std::string what = args.join(' ').toStdString();
    EXPECT_EQ(run.status, 1) << what;
    EXPECT_TRUE(run.err.startsWith(failure)) << what << ": " << run.err.toStdString();
    EXPECT_GT(run.err.size(), failure.size() + 1) << what;
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << what << ": " << run.err.toStdString();
}

}  // namespace

TEST(CliStreams, EveryCommandReportsAFullDiskOnStandardOutput) {
    const QList<QStringList> commands = {
        {"render", "--format", "text", "abc"},
        {"render", "--format", "runs", "·#a\n·#b"},
        {"gradient", "abc"},
        {"gradient", "--smooth", "abc"},
        {"palettes"},
        {"--help"},
        {"help", "render"},
        {"render", "--help"},
        {"compose", "Bob"},
        {"lookalike", "Bob"},
    };
    for (const QStringList& args : commands)
        expectFailure(runWithStreams(args, QStringLiteral("/dev/full"), {}), kWriteFailure, args);
}

TEST(CliStreams, AFolderOnStandardInputIsAReadFailure) {
    const QStringList args = {"render", "--format", "text", "-"};
    const CliRun run = runWithStreams(args, {}, QDir::rootPath());
    expectFailure(run, kReadFailure, args);
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
}

// With SIGPIPE ignored, writing into a pipe its reader closed fails with
// EPIPE: the command stops there instead of writing the rest into it.
TEST(CliStreams, AClosedPipeStopsRenderAtTheFirstFailedWrite) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile input(dir.filePath(QStringLiteral("big.txt")));
    ASSERT_TRUE(input.open(QIODevice::WriteOnly));
    for (int i = 0; i < 200000; ++i) input.write("\xC2\xB7#ligne de codes\n");
    input.close();

    QProcess shell;
    shell.setWorkingDirectory(dir.path());
    shell.start(QStringLiteral("/bin/sh"),
                {"-c",
                 "trap '' PIPE; { \"$0\" render --format text - < big.txt 2> err; "
                 "echo $? > status; } | head -c1 > /dev/null",
                 QStringLiteral(CHROMANICK_CLI_PATH)});
    shell.waitForFinished(-1);
    ASSERT_EQ(shell.exitCode(), 0);

    QFile status(dir.filePath(QStringLiteral("status")));
    QFile err(dir.filePath(QStringLiteral("err")));
    ASSERT_TRUE(status.open(QIODevice::ReadOnly) && err.open(QIODevice::ReadOnly));
    CliRun run;
    run.status = status.readAll().trimmed().toInt();
    run.err = QString::fromUtf8(err.readAll());
    expectFailure(run, kWriteFailure, {"render", "-", "| head -c1"});
}
