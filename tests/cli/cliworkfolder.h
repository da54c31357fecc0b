#pragma once

#include "clirunner.h"

#include <QFile>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <dirent.h>

#include <algorithm>

// Runs chromanick-cli, or a shell script, in a work folder of the test's own,
// with a settings folder and a home of its own. Scripts see "$CLI" (the
// program) and "$DATA" (the settings folder); they can hand over argument
// bytes that are not UTF-8 (through printf).
class CliWorkFolder : public ::testing::Test {
protected:
    CliRun shell(const QString& script) {
        QProcess process;
        configure(process);
        process.start(QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script});
        return finishRun(process);
    }
    CliRun run(const QStringList& args) {
        QProcess process;
        configure(process);
        process.start(QStringLiteral(CHROMANICK_CLI_PATH), args);
        return finishRun(process);
    }
    QByteArray bytes(const QString& name) const {
        QFile f(work.filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

    // The entries of a folder as the system names them, sorted; with
    // `markLinks`, "@" after each link.
    static QList<QByteArray> entryNames(const QByteArray& folder, bool markLinks) {
        QList<QByteArray> names;
        if (DIR* d = ::opendir(folder.constData())) {
            while (const dirent* e = ::readdir(d))
                if (qstrcmp(e->d_name, ".") && qstrcmp(e->d_name, ".."))
                    names.append(QByteArray(e->d_name) +
                                 (markLinks && e->d_type == DT_LNK ? "@" : ""));
            ::closedir(d);
        }
        std::sort(names.begin(), names.end());
        return names;
    }

    QTemporaryDir data;
    QTemporaryDir work;
    QTemporaryDir home;

private:
    void configure(QProcess& process) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
        env.insert(QStringLiteral("HOME"), home.path());
        env.insert(QStringLiteral("CLI"), QStringLiteral(CHROMANICK_CLI_PATH));
        env.insert(QStringLiteral("DATA"), data.path());
        process.setProcessEnvironment(env);
        process.setWorkingDirectory(work.path());
    }
};
