// The splash's launch when nkp.dll cannot be written: the launch goes on, a
// warning is logged and the previous answers are left byte for byte.
#include "faultydisk.h"
#include "storage/settingsfiles.h"
#include "tests/support/scriptedplatform.h"
#include "ui/splash/splashmodel.h"

#include <gtest/gtest.h>

#include <QtGlobal>

using namespace chromanick;
using namespace chromanick::testing;

namespace {

QStringList* capturedWarnings = nullptr;

void captureWarning(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (capturedWarnings && type == QtWarningMsg) capturedWarnings->append(text);
}

class NkpSaveFault : public FaultyDiskTest {
protected:
    void SetUp() override {
        FaultyDiskTest::SetUp();
        capturedWarnings = &warnings;
        previousHandler = qInstallMessageHandler(captureWarning);
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        capturedWarnings = nullptr;
    }

    QStringList warnings;
    QtMessageHandler previousHandler = nullptr;
};

}  // namespace

TEST_P(NkpSaveFault, TheLaunchGoesOnAndThePreviousAnswersStay) {
    // Answers of an earlier launch: never ask again, no automatic launch.
    const QByteArray previous = "Messenger Plus! 3\r\nOk\r\nLancement\r\nnon\r\n";
    const QString path = previousFileThenFault(SettingsFolder::kNkpFile, previous);

    ScriptedPlatform platform;
    int fills = 0;
    SplashModel splash(
        platform, SettingsFolder(disk->dir()),
        [&](const QStringList&, const QStringList&) { ++fills; },
        QStringLiteral("/nonexistent/MsgPlus.exe"));
    int launches = 0;
    QObject::connect(&splash, &SplashModel::launchRequested, [&] { ++launches; });
    splash.load();
    for (int i = 0; i < 30 && !splash.settled(); ++i) splash.tick();
    ASSERT_TRUE(splash.settled());
    EXPECT_EQ(fills, 1);

    splash.setAutoLaunch(true);
    splash.launch();
    EXPECT_EQ(launches, 1);
    EXPECT_TRUE(platform.messages.isEmpty());
    ASSERT_EQ(warnings.size(), 1);
    EXPECT_TRUE(warnings[0].startsWith(QStringLiteral("Impossible d'enregistrer nkp.dll")))
        << warnings[0].toStdString();
    expectUntouched(path, previous);
}

INSTANTIATE_TEST_SUITE_P(Disk, NkpSaveFault,
                         ::testing::Values(DiskFault::ReadOnly, DiskFault::Full), faultName);
