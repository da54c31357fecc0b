// The start-up splash: its loading, the progress ticks and the launch, with a
// temporary settings folder.
#include "ui/splash/splashmodel.h"
#include "core/appinfo.h"
#include "storage/textfile.h"
#include "tests/support/scriptedplatform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <memory>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

namespace {

class SplashModelTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    // A fresh start of the splash over the same settings folder.
    SplashModel& start(
        const QString& messengerPlusProgram = QStringLiteral("/nonexistent/MsgPlus.exe")) {
        model = std::make_unique<SplashModel>(
            platform, SettingsFolder(folder()),
            [this](const QStringList& prefixes, const QStringList& suffixes) {
                fills.append({prefixes, suffixes});
            },
            messengerPlusProgram);
        QObject::connect(model.get(), &SplashModel::launchRequested, [this] { ++launches; });
        model->load();
        return *model;
    }
    QString folder() const {
        return root.filePath(QStringLiteral("Chromanick")) + QLatin1Char('/');
    }
    QString file(const QString& name) const { return folder() + name; }
    // Settings files are Windows-1252 text.
    void writeFile(const QString& name, const QString& content) {
        QDir().mkpath(folder());
        QFile f(file(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(textfile::encode(content));
    }
    QStringList nkpLines() const {
        return textfile::readLines(file(QStringLiteral("nkp.dll"))).value_or(QStringList());
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) model->tick();
    }

    QTemporaryDir root;
    ScriptedPlatform platform;
    std::unique_ptr<SplashModel> model;
    QList<std::pair<QStringList, QStringList>> fills;
    int launches = 0;
};

}  // namespace

TEST_F(SplashModelTest, FirstStartCreatesTheFolderAndAnEmptyNkpAndAsksAboutMessengerPlus) {
    platform.answers = {MessageAnswer::No};
    start();
    EXPECT_TRUE(QFileInfo(folder()).isDir());
    EXPECT_TRUE(QFileInfo::exists(file(QStringLiteral("nkp.dll"))));
    EXPECT_EQ(QFileInfo(file(QStringLiteral("nkp.dll"))).size(), 0);

    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, SplashModel::messengerPlusQuestion());
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Critical);
    EXPECT_EQ(platform.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(model->messengerPlusAnswer(), QStringLiteral("label4"));
    EXPECT_FALSE(model->autoLaunch());
    EXPECT_FALSE(model->launchEnabled());
    EXPECT_TRUE(platform.openedUrls.isEmpty());
}

TEST_F(SplashModelTest, YesOpensTheMessengerPlusDownloadPage) {
    platform.answers = {MessageAnswer::Yes};
    start();
    EXPECT_EQ(platform.openedUrls, QStringList{appinfo::kMessengerPlusDownload});
    EXPECT_EQ(model->messengerPlusAnswer(), QStringLiteral("label4"));
}

TEST_F(SplashModelTest, CancelThenLaunchStoresOkAndTheNextStartAsksNothing) {
    platform.answers = {MessageAnswer::Cancel};
    start();
    EXPECT_EQ(model->messengerPlusAnswer(), QStringLiteral("Ok"));
    model->launch();
    EXPECT_EQ(nkpLines(),
              (QStringList{QStringLiteral("L'utilisateur possède Msn Plus?"), QStringLiteral("Ok"),
                           QStringLiteral("Lancement automatique?"), QStringLiteral("non")}));

    platform.messages.clear();
    start();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(model->messengerPlusAnswer(), QStringLiteral("Ok"));
}

TEST_F(SplashModelTest, AnAnswerIsForgottenWhenTheStartEndsWithoutALaunch) {
    platform.answers = {MessageAnswer::Cancel, MessageAnswer::No};
    start();
    start();
    EXPECT_EQ(platform.messages.size(), 2);
}

TEST_F(SplashModelTest, AnInstalledMessengerPlusIsNeverAskedAboutAndStoresLabel4) {
    writeFile(QStringLiteral("MsgPlus.exe"), QStringLiteral("x"));
    start(file(QStringLiteral("MsgPlus.exe")));
    EXPECT_TRUE(platform.messages.isEmpty());
    model->launch();
    EXPECT_EQ(nkpLines().value(1), QStringLiteral("label4"));
}

TEST_F(SplashModelTest, OnlyExactAnswersCount) {
    writeFile(QStringLiteral("nkp.dll"),
              QStringLiteral(
                  "L'utilisateur possède Msn Plus?\r\nok\r\nLancement automatique?\r\nAuto\r\n"));
    platform.answers = {MessageAnswer::No};
    start();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_FALSE(model->autoLaunch());
}

TEST_F(SplashModelTest, AShortNkpCountsAsNoAnswerForTheMissingLines) {
    writeFile(QStringLiteral("nkp.dll"), QStringLiteral("x\r\nOk\r\n"));
    start();
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_FALSE(model->autoLaunch());
}

TEST_F(SplashModelTest, MessagesFollowTheirPercentageByOneTickAndLaunchWaitsFor100) {
    platform.answers = {MessageAnswer::No};
    start();
    model->tick();
    EXPECT_EQ(model->percentText(), QStringLiteral("5%"));
    EXPECT_TRUE(model->progressMessage().isEmpty());
    model->tick();
    EXPECT_EQ(model->percentText(), QStringLiteral("10%"));
    EXPECT_EQ(model->progressMessage(), QStringLiteral("Initialisation des Couleurs en cour."));

    ticks(17);
    EXPECT_EQ(model->percentText(), QStringLiteral("95%"));
    EXPECT_FALSE(model->launchEnabled());
    model->tick();
    EXPECT_EQ(model->progress(), 100);
    EXPECT_TRUE(model->launchEnabled());
    EXPECT_FALSE(model->settled());
    model->tick();
    EXPECT_EQ(model->progressMessage(), QStringLiteral("Chargement terminé avec succé"));
    EXPECT_TRUE(model->settled());
    model->tick();
    EXPECT_EQ(model->percentText(), QStringLiteral("100%"));
    EXPECT_EQ(launches, 0);
}

TEST_F(SplashModelTest, ListsAreFilledOnceAtTheTickThatShows80WithTheUserEntries) {
    writeFile(QStringLiteral("combo1.dll"), QStringLiteral("\"¨°o.O\"\r\nA, B\r\n"));
    writeFile(QStringLiteral("combo2.dll"), QStringLiteral("\"O.o°¨\"\r\n"));
    platform.answers = {MessageAnswer::No};
    start();
    ticks(15);
    EXPECT_EQ(model->percentText(), QStringLiteral("75%"));
    EXPECT_TRUE(fills.isEmpty());
    model->tick();
    EXPECT_EQ(model->percentText(), QStringLiteral("80%"));
    EXPECT_EQ(model->progressMessage(),
              QStringLiteral("Initilisation des listes déroulantes en cour."));
    ASSERT_EQ(fills.size(), 1);
    EXPECT_EQ(fills[0].first,
              (QStringList{QStringLiteral("¨°o.O"), QStringLiteral("A"), QStringLiteral("B")}));
    EXPECT_EQ(fills[0].second, QStringList{QStringLiteral("O.o°¨")});
    ticks(30);
    EXPECT_EQ(fills.size(), 1);
}

TEST_F(SplashModelTest, AutoLaunchRunsByItselfAt100AndWritesAuto) {
    writeFile(QStringLiteral("nkp.dll"), QStringLiteral("a\r\nOk\r\nb\r\nauto\r\n"));
    start();
    EXPECT_TRUE(model->autoLaunch());
    ticks(19);
    EXPECT_EQ(launches, 0);
    model->tick();
    EXPECT_EQ(launches, 1);
    EXPECT_EQ(nkpLines().value(3), QStringLiteral("auto"));
    ticks(5);
    EXPECT_EQ(launches, 1);
}

TEST_F(SplashModelTest, LaunchVisitsTheSiteOnlyWhenAsked) {
    platform.answers = {MessageAnswer::No};
    start();
    model->launch();
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    model->setVisitSite(true);
    model->launch();
    EXPECT_EQ(platform.openedUrls, QStringList{appinfo::kProductSite});
    EXPECT_EQ(launches, 2);
}

TEST_F(SplashModelTest, TheLastFieldOfIntmsgReplacesTheWelcomeText) {
    platform.answers = {MessageAnswer::No};
    start();
    model->loadWelcomeMessage();
    EXPECT_EQ(model->welcomeText(), SplashModel::defaultWelcomeText());

    writeFile(QStringLiteral("intmsg.dll"),
              QStringLiteral("Bonjour\r\n\"Bienvenue, <b>amis</b>\"\r\n"));
    model->loadWelcomeMessage();
    EXPECT_EQ(model->welcomeText(), QStringLiteral("Bienvenue, <b>amis</b>"));
}

TEST_F(SplashModelTest, AnUnwritableFolderCountsAsNoAnswersAndTheLaunchGoesOn) {
    QFile blocker(folder().chopped(1));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where the folder should be
    blocker.close();
    platform.answers = {MessageAnswer::Cancel};
    start();
    EXPECT_FALSE(model->autoLaunch());
    model->launch();
    EXPECT_EQ(launches, 1);
}
