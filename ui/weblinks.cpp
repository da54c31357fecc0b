#include "ui/weblinks.h"

#include "core/appinfo.h"

namespace chromanick::links {

void showMainHelp(Platform& platform) {
    platform.message(
        QStringLiteral(
            "Chromanick créer le code couleur pour votre pseudo lorsque vous cliquer sur "
            "<<Générer le pseudo>> et si vous avez coché la case <<Copie Automatique>>,ceux-ci "
            "copier le code couleur dans le presse papier, il vous reste plus qu'à coller le "
            "résultat dans la fenêtre propriété où vous éditez votre pseudo msn."),
        QStringLiteral("Aide"), MessageIcon::Information, MessageButtons::Ok);
}

void showContact(Platform& platform) {
    platform.message(QStringLiteral("Contacter Chromanick à l'adresse ") + appinfo::kContactEmail,
                     appinfo::kProgramTitle, MessageIcon::None, MessageButtons::Ok);
}

void confirmVisitSite(Platform& platform) {
    const MessageAnswer answer = platform.message(
        QStringLiteral("Se rendre sur Chromanick ??? Pour cela, vous devez disposer d'une "
                       "connection internet."),
        QStringLiteral("Visiter le site Chromanick???"), MessageIcon::Information,
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) platform.openUrl(appinfo::kProductSite);
}

void confirmNewVersion(Platform& platform) {
    const MessageAnswer answer = platform.message(
        QStringLiteral("Vérifier si il y a une nouvelle version ? Ps : La version que vous "
                       "possèdez est :") +
            appinfo::versionDotted(),
        QStringLiteral("Vérifier nouvelle version de Chromanick?"), MessageIcon::Information,
        MessageButtons::YesNo);
    if (answer == MessageAnswer::Yes) platform.openUrl(appinfo::kNewVersionPage);
}

void announceVisitSite(Platform& platform) {
    platform.message(
        QStringLiteral("Vous allez être rediriger sur la page d'accueil du site Chromanick"),
        QString(), MessageIcon::Information, MessageButtons::Ok);
    platform.openUrl(appinfo::kProductSite);
}

void openSite(Platform& platform) {
    platform.openUrl(appinfo::kProductSite);
}

void openMessengerPlusSite(Platform& platform) {
    platform.openUrl(appinfo::kMessengerPlusSite);
}

}  // namespace chromanick::links
