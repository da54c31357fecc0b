#include "ui/splash/splashwindow.h"

#include "assets/resources.h"
#include "ui/splash/splashmodel.h"
#include "ui/widgets/picture.h"
#include "ui/widgets/placement.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

namespace chromanick {

namespace {

constexpr int kTickMilliseconds = 50;

}  // namespace

SplashWindow::SplashWindow(SplashModel& model, QWidget* parent)
    : QWidget(parent),
      model_(model),
      timer_(new QTimer(this)),
      ending_([this] { emit programEndRequested(); }) {
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Prenez 5 minutes pour visitez le site Chromanick."));
    buildControls();
    setFixedSize(px(6000), px(6030));

    connect(&model_, &SplashModel::changed, this, &SplashWindow::refresh);
    timer_->setObjectName(QStringLiteral("Timer1"));
    timer_->setInterval(kTickMilliseconds);
    connect(timer_, &QTimer::timeout, this, &SplashWindow::step);
    timer_->start();
    refresh();
}

void SplashWindow::buildControls() {
    place(new Picture(assets::logoPath(), QStringLiteral("Chromanick"), this),
          QStringLiteral("imgLogo"), twipsRect(1125, 120, 3750, 1500));

    welcome_ =
        place(new QPlainTextEdit(this), QStringLiteral("Text1"), twipsRect(120, 1680, 5760, 2430));
    welcome_->setReadOnly(true);
    welcome_->setLineWrapMode(QPlainTextEdit::NoWrap);

    place(plainLabel(QStringLiteral("Msn Plus installer ?"), this), QStringLiteral("Label3"),
          twipsRect(120, 4200, 1800, 255));
    answer_ = place(plainLabel(QString(), this), QStringLiteral("Label4"),
                    twipsRect(1950, 4200, 1500, 255));

    progress_ = place(new QProgressBar(this), QStringLiteral("ProgressBar1"),
                      twipsRect(120, 4530, 5760, 255));
    progress_->setRange(0, 100);
    progress_->setTextVisible(false);
    percent_ = place(plainLabel(QString(), this), QStringLiteral("Label1"),
                     twipsRect(120, 4830, 600, 255));
    message_ = place(plainLabel(QString(), this), QStringLiteral("Label2"),
                     twipsRect(750, 4830, 5130, 255));

    autoLaunch_ = place(new QCheckBox(QStringLiteral("Lancement automatique."), this),
                        QStringLiteral("chklanceauto"), twipsRect(120, 5160, 2700, 255));
    visitSite_ = place(new QCheckBox(QStringLiteral("Visitez le site de Chromanick."), this),
                       QStringLiteral("chkvisitechromanick"), twipsRect(2880, 5160, 3000, 255));
    connect(autoLaunch_, &QCheckBox::clicked, this, [this](bool on) { model_.setAutoLaunch(on); });
    connect(visitSite_, &QCheckBox::clicked, this, [this](bool on) { model_.setVisitSite(on); });

    launch_ = place(new QPushButton(QStringLiteral("Lancer Chromanick"), this),
                    QStringLiteral("Command1"), twipsRect(120, 5550, 1950, 360));
    auto* quick = place(new QPushButton(QStringLiteral("Lancé rapide"), this),
                        QStringLiteral("Command2"), twipsRect(2190, 5550, 1050, 360));
    quick->hide();  // never shown
    auto* gradient = place(new QPushButton(QStringLiteral("Ouvrir Chromanick dégradé"), this),
                           QStringLiteral("Command3"), twipsRect(3330, 5550, 2550, 360));
    connect(launch_, &QPushButton::clicked, this, [this] { model_.launch(); });
    connect(gradient, &QPushButton::clicked, this, [this] { model_.openGradientEditor(); });
}

void SplashWindow::refresh() {
    if (welcome_->toPlainText() != model_.welcomeText())
        welcome_->setPlainText(model_.welcomeText());
    percent_->setText(model_.percentText());
    message_->setText(model_.progressMessage());
    answer_->setText(model_.messengerPlusAnswer());
    progress_->setValue(model_.progress());
    for (auto [box, on] :
         {std::pair{autoLaunch_, model_.autoLaunch()}, {visitSite_, model_.visitSite()}}) {
        const QSignalBlocker block(box);
        box->setChecked(on);
    }
    launch_->setEnabled(model_.launchEnabled());
    launch_->setDefault(model_.launchEnabled());
}

// Once the last message is shown further ticks change nothing, so the timer
// rests from then on.
void SplashWindow::step() {
    model_.tick();
    if (model_.settled()) timer_->stop();
}

void SplashWindow::closeForProgramEnd() {
    timer_->stop();
    ending_.closeForProgramEnd(*this);
}

void SplashWindow::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // As in a dialog: Enter presses the button that has the focus, else the
    // default one.
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* pressed = focused != nullptr ? focused : launch_;
    if (enter && pressed->isEnabled()) {
        pressed->click();
        return;
    }
    QWidget::keyPressEvent(event);
}

// Closing the splash needs no answer: the program ends.
void SplashWindow::closeEvent(QCloseEvent* event) {
    ending_.close(event, [] { return true; });
}

}  // namespace chromanick
