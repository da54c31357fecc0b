#include "ui/weblinks.h"
#include "core/appinfo.h"
#include "tests/support/scriptedplatform.h"

#include <gtest/gtest.h>

using namespace chromanick;
using chromanick::testing::ScriptedPlatform;

TEST(ConfirmedVisits, OpenTheirPageOnlyOnYes) {
    ScriptedPlatform platform;
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
    links::confirmVisitSite(platform);
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    links::confirmVisitSite(platform);
    EXPECT_EQ(platform.openedUrls, QStringList{appinfo::kProductSite});

    ASSERT_EQ(platform.messages.size(), 2);
    const ScriptedPlatform::Message& asked = platform.messages.first();
    EXPECT_EQ(asked.title, QStringLiteral("Visiter le site Chromanick???"));
    EXPECT_EQ(asked.icon, MessageIcon::Information);
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
}

TEST(ConfirmedVisits, NewVersionQuestionEndsWithTheVersionAndOpensItsPage) {
    ScriptedPlatform platform;
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};
    links::confirmNewVersion(platform);
    EXPECT_TRUE(platform.openedUrls.isEmpty());
    links::confirmNewVersion(platform);
    ASSERT_EQ(platform.openedUrls.size(), 1);
    EXPECT_TRUE(platform.openedUrls.first().endsWith(QStringLiteral("/newversionchromanick.htm")));

    const ScriptedPlatform::Message& asked = platform.messages.first();
    EXPECT_TRUE(asked.text.endsWith(QStringLiteral("possèdez est :6.0.0")))
        << asked.text.toStdString();
    EXPECT_EQ(asked.title, QStringLiteral("Vérifier nouvelle version de Chromanick?"));
    EXPECT_EQ(asked.buttons, MessageButtons::YesNo);
}

TEST(AnnouncedVisit, OpensTheSiteAfterItsOkOnlyMessage) {
    ScriptedPlatform platform;
    links::announceVisitSite(platform);
    ASSERT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages.first().text,
              QStringLiteral("Vous allez être rediriger sur la page d'accueil du site Chromanick"));
    EXPECT_EQ(platform.messages.first().buttons, MessageButtons::Ok);
    EXPECT_TRUE(platform.messages.first().title.isEmpty());
    EXPECT_EQ(platform.openedUrls, QStringList{appinfo::kProductSite});
}

TEST(HelpMessages, MainHelpAndContactShowTheirTextsAndOpenNothing) {
    ScriptedPlatform platform;
    links::showMainHelp(platform);
    links::showContact(platform);
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_EQ(platform.messages[0].title, QStringLiteral("Aide"));
    EXPECT_EQ(platform.messages[0].icon, MessageIcon::Information);
    EXPECT_TRUE(platform.messages[0].text.startsWith(
        QStringLiteral("Chromanick créer le code couleur pour votre pseudo")));
    EXPECT_EQ(platform.messages[1].text,
              QStringLiteral("Contacter Chromanick à l'adresse ") + appinfo::kContactEmail);
    EXPECT_EQ(platform.messages[1].title, QStringLiteral("Chromanick"));
    EXPECT_EQ(platform.messages[1].icon, MessageIcon::None);
    EXPECT_TRUE(platform.openedUrls.isEmpty());
}

TEST(LinkLabels, OpenAtOnceWithoutAsking) {
    ScriptedPlatform platform;
    links::openSite(platform);
    links::openMessengerPlusSite(platform);
    EXPECT_TRUE(platform.messages.isEmpty());
    EXPECT_EQ(platform.openedUrls,
              (QStringList{appinfo::kProductSite, appinfo::kMessengerPlusSite}));
}
