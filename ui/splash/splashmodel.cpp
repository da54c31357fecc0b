#include "ui/splash/splashmodel.h"

#include "core/appinfo.h"

#include <QFileInfo>
#include <QtDebug>

#include <utility>

namespace chromanick {

namespace {

struct ProgressMessage {
    const char* percent;
    QString message;
};

const QList<ProgressMessage>& progressMessages() {
    static const QList<ProgressMessage> table{
        {"5%", QStringLiteral("Initialisation des Couleurs en cour.")},
        {"35%", QStringLiteral("Initialisation des Couleurs d'arrière plan en cour.")},
        {"50%", QStringLiteral("Initialisation des émoticones en cour.")},
        {"75%", QStringLiteral("Initilisation des listes déroulantes en cour.")},
        {"100%", SplashModel::kLastMessage},
    };
    return table;
}

const QLatin1String kListsPercent("75%");

}  // namespace

SplashModel::SplashModel(Platform& platform, SettingsFolder folder, FillDecorationLists fillLists,
                         QString messengerPlusProgram, QObject* parent)
    : QObject(parent),
      platform_(platform),
      folder_(std::move(folder)),
      fillLists_(std::move(fillLists)),
      messengerPlusProgram_(std::move(messengerPlusProgram)),
      welcomeText_(defaultWelcomeText()) {}

QString SplashModel::defaultWelcomeText() {
    return QStringLiteral(
        "Je tiens à vous rappeler que Chromanick est un \n"
        "logiciel gratuit. N' hésitez pas à visiter \n"
        "régulièrement le site de Chromanick pour vérifier la \n"
        "disponibilité de nouvelles versions. Et surtout, \n"
        "vous pouvez m'envoyer des e-mails si vous avez \n"
        "des améliorations possibles, des questions pour le \n"
        "Chromanick. Ainsi que  pour me prouver votre soutien.\n"
        "Merci, Tiwakan.\n");
}

QString SplashModel::messengerPlusQuestion() {
    return QStringLiteral(
        "Le programme Messenger Plus n'est pas installer sur votre ordinateur, si vous voulez "
        "l'installer maintenant, cliquez sur oui vous serez redistribué sur une page pour le "
        "télécharger ou cliquez sur non pour continuer sans l'installer. Au cas contraire, si "
        "Messenger Plus est installé sur votre ordinateur alors cliquez sur annuler(Si vous "
        "cliquez sur Annuler, Chromanick n'affichera plus cette boite de dialogue.)");
}

QString SplashModel::messageFor(const QString& percentText) {
    for (const auto& entry : progressMessages()) {
        if (percentText == QLatin1String(entry.percent)) return entry.message;
    }
    return QString();
}

// Reading nkp.dll creates the folder and an empty file on a first start; a
// folder that cannot be created or read simply counts as no answers.
void SplashModel::load() {
    launchEnabled_ = false;
    const NkpAnswers answers = folder_.readNkp();
    if (answers.doNotAskAgain())
        answer_ = kDoNotAskAnswer;
    else if (!QFileInfo::exists(messengerPlusProgram_))
        askAboutMessengerPlus();
    if (answers.launchesAutomatically()) autoLaunch_ = true;
    emit changed();
}

void SplashModel::askAboutMessengerPlus() {
    const auto answer = platform_.message(messengerPlusQuestion(), appinfo::kProgramTitle,
                                          MessageIcon::Critical, MessageButtons::YesNoCancel);
    if (answer == MessageAnswer::Yes)
        platform_.openUrl(appinfo::kMessengerPlusDownload);
    else if (answer == MessageAnswer::Cancel)
        answer_ = kDoNotAskAnswer;
}

// Each message follows its percentage by one tick: the caption is read
// before the bar moves on.
void SplashModel::tick() {
    const QString message = messageFor(percentText_);
    if (!message.isEmpty()) {
        message_ = message;
        if (percentText_ == kListsPercent) fillLists();
    }
    if (progress_ != 100) advance();
    emit changed();
}

void SplashModel::fillLists() {
    if (fillLists_)
        fillLists_(folder_.readFields(QStringLiteral("combo1.dll")),
                   folder_.readFields(QStringLiteral("combo2.dll")));
}

void SplashModel::advance() {
    progress_ += 5;
    percentText_ = QString::number(progress_) + QLatin1Char('%');
    if (progress_ == 100) {
        launchEnabled_ = true;
        if (autoLaunch_) launch();
    }
}

// A settings file that cannot be written only means the answers are asked
// again next time; the launch goes on.
void SplashModel::launch() {
    QString error;
    if (!folder_.writeNkp(answer_, autoLaunch_, &error))
        qWarning().noquote() << "Impossible d'enregistrer nkp.dll :" << error;
    if (visitSite_) platform_.openUrl(appinfo::kProductSite);
    emit launchRequested();
}

void SplashModel::openGradientEditor() {
    emit gradientEditorRequested();
}

void SplashModel::setAutoLaunch(bool on) {
    autoLaunch_ = on;
    emit changed();
}

void SplashModel::setVisitSite(bool on) {
    visitSite_ = on;
    emit changed();
}

void SplashModel::setWelcomeText(const QString& text) {
    welcomeText_ = text;
    emit changed();
}

void SplashModel::loadWelcomeMessage() {
    const QStringList fields = folder_.readFields(QStringLiteral("intmsg.dll"));
    if (!fields.isEmpty()) setWelcomeText(fields.last());
}

}  // namespace chromanick
