#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <gtest/gtest.h>

// Runs the built chromanick-cli and collects what it printed.
struct CliRun {
    QString out;
    QString err;
    int status = -1;
};

// Waits for a started program to end, however long it takes, and collects
// what it printed.
inline CliRun finishRun(QProcess& process) {
    process.waitForFinished(-1);
    CliRun run;
    run.out = QString::fromUtf8(process.readAllStandardOutput());
    run.err = QString::fromUtf8(process.readAllStandardError());
    run.status = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return run;
}

inline CliRun runCli(const QStringList& args) {
    QProcess process;
    process.start(QStringLiteral(CHROMANICK_CLI_PATH), args);
    return finishRun(process);
}

// A successful run's single result line, without its newline.
inline QString cliLine(const QStringList& args) {
    const CliRun run = runCli(args);
    if (run.status != 0 || !run.out.endsWith(QLatin1Char('\n'))) return QStringLiteral("<failed>");
    return run.out.chopped(1);
}

// A refused command line: status 2, nothing on stdout, and one French line on
// stderr that names the offending value.
inline void expectUsageError(const QStringList& args, const QString& named) {
    const CliRun run = runCli(args);
    EXPECT_EQ(run.status, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(run.out.isEmpty()) << run.out.toStdString();
    EXPECT_TRUE(run.err.contains(named)) << run.err.toStdString();
    EXPECT_EQ(run.err.count(QLatin1Char('\n')), 1) << run.err.toStdString();
}
