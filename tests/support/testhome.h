#pragma once
// Every test executable runs with its own home folder in the build tree, so
// no test reads or writes the user's real settings. The folder is compiled
// into the executable (CHROMANICK_TEST_HOME), which holds whether the test is
// started by CTest, by hand or by a debugger.
#include <QByteArray>
#include <QDir>
#include <QFile>

namespace chromanick::testsupport {

inline void useTestHome() {
#ifdef CHROMANICK_TEST_HOME
    const QByteArray home = CHROMANICK_TEST_HOME;
    const QByteArray runtime = home + "/run";
    QDir().mkpath(QString::fromLocal8Bit(runtime));
    QFile::setPermissions(QString::fromLocal8Bit(runtime),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("HOME", home);
    qputenv("XDG_DATA_HOME", home + "/.local/share");
    qputenv("XDG_CONFIG_HOME", home + "/.config");
    qputenv("XDG_RUNTIME_DIR", runtime);
#endif
}

}  // namespace chromanick::testsupport
