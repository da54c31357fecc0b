#include "application.h"

#include "ui/aboutwindow.h"
#include "ui/app/handover.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/reader/readermodel.h"
#include "ui/reader/readerwindow.h"
#include "ui/splash/splashwindow.h"
#include "ui/weblinks.h"
#include "ui/widgets/fonts.h"
#include "ui/widgets/placement.h"

#include <QApplication>
#include <QStyle>
#include <QStyleFactory>
#include <QtGlobal>

namespace chromanick {

Application::Application(Platform& platform, ApplicationOptions options, QObject* parent)
    : QObject(parent), platform_(platform), options_(std::move(options)) {}

Application::~Application() = default;

// The main editor comes first and stays hidden while the splash loads; the
// main editor's own loading then hands the splash its welcome message.
void Application::start() {
    createMainEditor();
    createSplash();
    centreOnScreen(*splashWindow_);
    splashWindow_->show();
    splashModel_->loadWelcomeMessage();
}

void Application::createMainEditor() {
    mainModel_ = std::make_unique<MainEditorModel>(platform_);
    mainWindow_ = std::make_unique<MainWindow>(*mainModel_);
    MainWindow* window = mainWindow_.get();
    connect(mainWindow_.get(), &MainWindow::switchToGradientRequested, this,
            &Application::switchToGradientEditor);
    connect(mainWindow_.get(), &MainWindow::programEndRequested, this, &Application::endProgram);
    connect(mainWindow_.get(), &MainWindow::codeReaderRequested, this,
            &Application::openCodeReader);
    connect(window, &MainWindow::aboutRequested, this, [this, window] { openAbout(window); });
    connect(window, &MainWindow::helpRequested, this, [this] { links::showMainHelp(platform_); });
    connect(window, &MainWindow::newVersionRequested, this,
            [this] { links::confirmNewVersion(platform_); });
    connect(window, &MainWindow::siteRequested, this,
            [this] { links::confirmVisitSite(platform_); });
    connect(window, &MainWindow::siteVisitRequested, this,
            [this] { links::announceVisitSite(platform_); });
}

void Application::createSplash() {
    splashModel_ = std::make_unique<SplashModel>(
        platform_, SettingsFolder(options_.settingsDir),
        [this](const QStringList& prefixes, const QStringList& suffixes) {
            mainModel_->fillDecorationLists(prefixes, suffixes);
        },
        options_.messengerPlusProgram);
    connect(splashModel_.get(), &SplashModel::launchRequested, this,
            &Application::launchMainEditor);
    connect(splashModel_.get(), &SplashModel::gradientEditorRequested, this,
            &Application::openGradientFromSplash);
    splashModel_->load();
    splashWindow_ = std::make_unique<SplashWindow>(*splashModel_);
    connect(splashWindow_.get(), &SplashWindow::programEndRequested, this,
            &Application::endProgram);
}

GradientWindow& Application::gradientEditor() {
    if (!gradientWindow_) {
        gradientModel_ = std::make_unique<GradientEditorModel>(platform_);
        gradientWindow_ = std::make_unique<GradientWindow>(*gradientModel_);
        GradientWindow* window = gradientWindow_.get();
        centreOnScreen(*window);
        connect(window, &GradientWindow::switchToMainEditorRequested, this,
                &Application::switchToMainEditor);
        connect(window, &GradientWindow::programEndRequested, this, &Application::endProgram);
        connect(window, &GradientWindow::siteVisitRequested, this,
                [this] { links::announceVisitSite(platform_); });
        connect(window, &GradientWindow::helpRequested, this,
                [this] { links::showContact(platform_); });
        connect(window, &GradientWindow::aboutRequested, this,
                [this, window] { openAbout(window); });
        connect(window, &GradientWindow::codeReaderRequested, this, &Application::openCodeReader);
    }
    return *gradientWindow_;
}

void Application::switchToGradientEditor() {
    GradientWindow& gradient = gradientEditor();
    gradient.show();
    gradient.activateWindow();
    mainWindow_->hide();
    gradientModel_->setNickname(handover::toGradientEditor(mainModel_->nickname()));
}

void Application::switchToMainEditor() {
    mainWindow_->show();
    mainWindow_->activateWindow();
    gradientWindow_->hide();
    mainModel_->setNickname(handover::toMainEditor(gradientModel_->nickname()));
}

void Application::openGradientFromSplash() {
    GradientWindow& gradient = gradientEditor();
    gradient.show();
    gradient.activateWindow();
}

void Application::launchMainEditor() {
    mainWindow_->show();
    mainWindow_->activateWindow();
    splashWindow_->hide();
}

void Application::openCodeReader(const QString& code) {
    if (!readerWindow_) {
        readerModel_ = std::make_unique<CodeReaderModel>(platform_);
        readerWindow_ = std::make_unique<CodeReaderWindow>(*readerModel_);
    }
    readerWindow_->open(code);
}

void Application::openAbout(const QWidget* over) {
    if (!aboutWindow_) aboutWindow_ = std::make_unique<AboutWindow>(platform_);
    aboutWindow_->open(over);
}

void Application::endProgram() {
    if (ended_) return;
    ended_ = true;
    if (readerWindow_) readerWindow_->close();
    if (gradientWindow_) gradientWindow_->closeForProgramEnd();
    mainWindow_->closeForProgramEnd();
    splashWindow_->closeForProgramEnd();
    emit programEnded();
    QApplication::exit(0);
}

void useClassicFont() {
    QApplication::setFont(windowFont());
}

bool displayAvailable() {
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") ||
           !qEnvironmentVariableIsEmpty("DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
#else
    return true;
#endif
}

QString noDisplayMessage(const QString& program) {
    return QStringLiteral(
               "Chromanick ne peut pas s'ouvrir : aucun affichage graphique n'est disponible "
               "(ni DISPLAY ni WAYLAND_DISPLAY n'est défini), lancez-le depuis une session de "
               "bureau ou dans un écran virtuel avec « xvfb-run %1 ».")
        .arg(program);
}

QString usageLine(const QString& program) {
    return QStringLiteral(
               "Usage : %1 [--version] [--help] (sans option, ouvre l'éditeur de pseudos ; "
               "--version affiche la version, --help cette ligne)")
        .arg(program);
}

// Qt's default style with its light standard palette, set explicitly so
// that no desktop theme replaces any of its colours.
void useClassicLook() {
    QStyle* style = QStyleFactory::create(QStringLiteral("Fusion"));
    if (style == nullptr)
        style = QApplication::style();
    else
        QApplication::setStyle(style);
    const QPalette standard = style->standardPalette();
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, standard.brush(g, r));
        }
    }
    QApplication::setPalette(palette);
}

}  // namespace chromanick
