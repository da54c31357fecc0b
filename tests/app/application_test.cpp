// The program as a whole: start-up order, the splash's progress filling the
// main editor, switching between the editors and ending, with real windows
// drawn offscreen, a scripted desktop and a temporary settings folder.
#include "ui/app/application.h"
#include "core/appinfo.h"
#include "core/decorations.h"
#include "core/nicksettings.h"
#include "gradient/gradient.h"
#include "storage/textfile.h"
#include "tests/support/captions.h"
#include "tests/support/scriptedplatform.h"
#include "ui/aboutwindow.h"
#include "ui/editor/mainmodel.h"
#include "ui/editor/mainwindow.h"
#include "ui/gradient/gradientmodel.h"
#include "ui/gradient/gradientwindow.h"
#include "ui/splash/splashwindow.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace chromanick;
using chromanick::testing::readsWhole;
using chromanick::testing::ScriptedPlatform;

namespace {

class ApplicationTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(root.isValid()); }

    Application& start() {
        app = std::make_unique<Application>(
            platform, ApplicationOptions{folder(), root.filePath(QStringLiteral("MsgPlus.exe"))});
        ended = std::make_unique<QSignalSpy>(app.get(), &Application::programEnded);
        app->start();
        return *app;
    }
    QString folder() const {
        return root.filePath(QStringLiteral("Chromanick")) + QLatin1Char('/');
    }
    void writeSetting(const QString& name, const QString& content) {
        QDir().mkpath(folder());
        QFile file(folder() + name);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(textfile::encode(content));
    }
    void ticks(int count) {
        for (int i = 0; i < count; ++i) app->splashModel().tick();
    }
    // Loads to 100 % and launches with "Lancer Chromanick".
    void launch() {
        ticks(20);
        app->splashWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->click();
    }
    void switchToGradient() {
        app->mainWindow().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    }
    void switchBack() {
        app->gradientWindow()->findChild<QPushButton*>(QStringLiteral("cmdgochromanick"))->click();
    }
    bool anyWindowVisible() const {
        return app->mainWindow().isVisible() || app->splashWindow().isVisible() ||
               (app->gradientWindow() && app->gradientWindow()->isVisible());
    }

    QTemporaryDir root;
    ScriptedPlatform platform;
    std::unique_ptr<Application> app;
    std::unique_ptr<QSignalSpy> ended;
};

}  // namespace

TEST_F(ApplicationTest, StartsWithTheSplashOverAHiddenMainEditor) {
    platform.answers = {MessageAnswer::No};
    start();
    EXPECT_TRUE(QFileInfo(folder()).isDir());
    EXPECT_EQ(QFileInfo(folder() + QStringLiteral("nkp.dll")).size(), 0);
    EXPECT_TRUE(app->splashWindow().isVisible());
    EXPECT_FALSE(app->mainWindow().isVisible());
    EXPECT_EQ(app->gradientWindow(), nullptr);  // created on first use
    EXPECT_EQ(app->mainModel().versionText(), QStringLiteral("Version : 6.0.0"));
    EXPECT_TRUE(app->splashWindow().timer()->isActive());
    EXPECT_EQ(app->splashWindow().timer()->interval(), 50);
    EXPECT_FALSE(
        app->splashWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
    EXPECT_TRUE(
        app->splashWindow().findChild<QPushButton*>(QStringLiteral("Command2"))->isHidden());
}

TEST_F(ApplicationTest, TheWelcomeTextComesFromIntmsgAsPlainText) {
    writeSetting(QStringLiteral("intmsg.dll"),
                 QStringLiteral("\"<i>Salut</i>, tout le monde\"\r\n"));
    platform.answers = {MessageAnswer::No};
    start();
    auto* text = app->splashWindow().findChild<QPlainTextEdit*>(QStringLiteral("Text1"));
    EXPECT_EQ(text->toPlainText(), QStringLiteral("<i>Salut</i>, tout le monde"));
}

TEST_F(ApplicationTest, ListsHoldTheBuiltInsAndUserEntriesAfterThe80Tick) {
    writeSetting(QStringLiteral("combo1.dll"), QStringLiteral("\"¨°o.O\"\r\n-=, =-\r\n"));
    writeSetting(QStringLiteral("combo2.dll"), QStringLiteral("\"O.o°¨\"\r\n"));
    platform.answers = {MessageAnswer::No};
    start();
    const int builtIns = BuiltinDecorations().size();
    ticks(15);
    EXPECT_EQ(app->mainModel().prefixes().count(), 0);
    ticks(1);  // the tick that shows "80%"
    EXPECT_EQ(app->mainModel().prefixes().count(), builtIns + 3);
    EXPECT_EQ(app->mainModel().suffixes().count(), builtIns + 1);
    EXPECT_EQ(app->mainModel().prefixes().entries().at(builtIns), QStringLiteral("¨°o.O"));
    EXPECT_EQ(app->mainModel().prefixes().entries().mid(0, builtIns), BuiltinPrefixes());
    EXPECT_EQ(app->mainModel().suffixes().entries().last(), QStringLiteral("O.o°¨"));
}

TEST_F(ApplicationTest, AutoLaunchOpensTheMainEditorByItselfAfterTheProgress) {
    writeSetting(QStringLiteral("nkp.dll"), QStringLiteral("a\r\nOk\r\nb\r\nauto\r\n"));
    start();
    EXPECT_TRUE(platform.messages.isEmpty());
    ticks(19);
    EXPECT_FALSE(app->mainWindow().isVisible());
    ticks(1);
    EXPECT_TRUE(app->mainWindow().isVisible());
    EXPECT_FALSE(app->splashWindow().isVisible());
    EXPECT_EQ(app->mainModel().prefixes().count(), BuiltinDecorations().size());
}

TEST_F(ApplicationTest, LaunchingWritesTheAnswersAndSwapsTheSplashForTheMainEditor) {
    platform.answers = {MessageAnswer::Cancel};
    start();
    launch();
    EXPECT_TRUE(app->mainWindow().isVisible());
    EXPECT_FALSE(app->splashWindow().isVisible());
    EXPECT_EQ(textfile::readLines(folder() + QStringLiteral("nkp.dll")).value_or(QStringList()),
              (QStringList{QStringLiteral("L'utilisateur possède Msn Plus?"), QStringLiteral("Ok"),
                           QStringLiteral("Lancement automatique?"), QStringLiteral("non")}));
}

TEST_F(ApplicationTest, TheHintAndThePlaceholderAreSwappedBothWays) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    switchToGradient();
    ASSERT_NE(app->gradientWindow(), nullptr);
    EXPECT_TRUE(app->gradientWindow()->isVisible());
    EXPECT_FALSE(app->mainWindow().isVisible());
    EXPECT_EQ(app->gradientModel()->nickname(), kGradientPlaceholder);
    EXPECT_EQ(app->gradientModel()->split().k, 7);

    switchBack();
    EXPECT_TRUE(app->mainWindow().isVisible());
    EXPECT_FALSE(app->gradientWindow()->isVisible());
    EXPECT_EQ(app->mainModel().nickname(), kNicknameHint);
}

TEST_F(ApplicationTest, ANicknameTravelsBothWaysAndEachEditorKeepsItsState) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    app->mainModel().setNickname(QStringLiteral("Bob"));
    switchToGradient();
    GradientWindow* first = app->gradientWindow();
    EXPECT_EQ(first->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), QStringLiteral("Bob"));

    app->gradientModel()->setNickname(QStringLiteral("Bobby"));
    app->gradientModel()->selectRow(12);
    app->gradientModel()->generate();
    const QString code = app->gradientModel()->output();
    switchBack();
    EXPECT_EQ(app->mainModel().nickname(), QStringLiteral("Bobby"));

    switchToGradient();
    EXPECT_EQ(app->gradientWindow(), first);  // shown again, never rebuilt
    EXPECT_EQ(app->gradientModel()->presetRow(), 12);
    EXPECT_EQ(app->gradientModel()->output(), code);
}

TEST_F(ApplicationTest, ALongNicknameFromTheMainEditorIsCountedAndSplitWhole) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    const QString text(60, QLatin1Char('n'));
    app->mainModel().setNickname(text);
    switchToGradient();
    EXPECT_EQ(app->gradientModel()->countText(),
              QStringLiteral("Nombre de caractère dans votre pseudo :60 (Limité à 50 caractères)"));
    EXPECT_EQ(app->gradientModel()->split().k, 12);
    EXPECT_EQ(app->gradientWindow()->findChild<QLineEdit*>(QStringLiteral("Text1"))->text(), text);
}

TEST_F(ApplicationTest, TheGradientEditorOpensFromTheSplashWhileItLoads) {
    platform.answers = {MessageAnswer::No};
    start();
    ticks(3);
    app->splashWindow().findChild<QPushButton*>(QStringLiteral("Command3"))->click();
    ASSERT_NE(app->gradientWindow(), nullptr);
    EXPECT_TRUE(app->gradientWindow()->isVisible());
    EXPECT_TRUE(app->splashWindow().isVisible());
    EXPECT_FALSE(app->mainWindow().isVisible());
    EXPECT_TRUE(app->gradientModel()->nickname().isEmpty());
    ticks(17);
    EXPECT_TRUE(
        app->splashWindow().findChild<QPushButton*>(QStringLiteral("Command1"))->isEnabled());
}

// In the font the program sets for itself, every window, as the user sees it
// once loading has finished, shows each caption and fixed text whole.
TEST_F(ApplicationTest, EveryWindowReadsWholeInTheProgramsFont) {
    const QFont testFont = QApplication::font();
    useClassicFont();
    platform.answers = {MessageAnswer::No};
    start();
    ticks(21);
    EXPECT_TRUE(readsWhole(&app->splashWindow()));
    launch();
    app->mainWindow().findChild<QAction*>(QStringLiteral("apropos"))->trigger();
    switchToGradient();

    EXPECT_TRUE(readsWhole(&app->mainWindow(), {QStringLiteral("Label5")}));
    EXPECT_TRUE(readsWhole(app->gradientWindow()));
    QWidget* about = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("Form2")) about = window;
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(readsWhole(about));
    QApplication::setFont(testFont);
}

// The main editor's web entries ask first, and No opens nothing; its
// picture tells, then opens the site.
TEST_F(ApplicationTest, TheMainEditorsWebEntriesAskFirstAndAnsweringNoOpensNothing) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    platform.messages.clear();
    platform.answers = {MessageAnswer::No, MessageAnswer::No};
    app->mainWindow().findChild<QAction*>(QStringLiteral("chromanick"))->trigger();
    app->mainWindow().findChild<QAction*>(QStringLiteral("newversion"))->trigger();
    EXPECT_EQ(platform.messages.size(), 2);
    EXPECT_TRUE(platform.openedUrls.isEmpty());

    QTest::mouseClick(app->mainWindow().findChild<QWidget*>(QStringLiteral("Image1")),
                      Qt::LeftButton);
    EXPECT_EQ(platform.messages.size(), 3);
    EXPECT_EQ(platform.openedUrls.size(), 1);
}

// Each editor's "Aide" tells its own help.
TEST_F(ApplicationTest, EachEditorsHelpIsItsOwn) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    platform.messages.clear();
    app->mainWindow().findChild<QAction*>(QStringLiteral("aide2"))->trigger();
    switchToGradient();
    app->gradientWindow()->findChild<QAction*>(QStringLiteral("mnuhelp"))->trigger();
    ASSERT_EQ(platform.messages.size(), 2);
    EXPECT_NE(platform.messages[0].text, platform.messages[1].text);
    EXPECT_TRUE(platform.messages[1].text.contains(appinfo::kContactEmail));
}

// Both editors open the same about window, which the program keeps: opened
// again it is the same window with its caption given once.
TEST_F(ApplicationTest, BothEditorsShowTheOneAboutWindow) {
    platform.answers = {MessageAnswer::No};
    start();
    launch();
    EXPECT_EQ(app->aboutWindow(), nullptr);
    app->mainWindow().findChild<QAction*>(QStringLiteral("apropos"))->trigger();
    app->mainWindow().findChild<QAction*>(QStringLiteral("apropos"))->trigger();
    QWidget* about = app->aboutWindow();
    ASSERT_NE(about, nullptr);
    switchToGradient();
    app->gradientWindow()->findChild<QAction*>(QStringLiteral("mnuapropos"))->trigger();
    EXPECT_EQ(app->aboutWindow(), about);

    int shown = 0;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (top->objectName() != QStringLiteral("Form2") || !top->isVisible()) continue;
        ++shown;
        EXPECT_EQ(top->windowTitle(), QStringLiteral("A propos de Chromanick 6.0.0"));
    }
    EXPECT_EQ(shown, 1);
}

// A dark desktop theme does not reach the windows: black text on the light
// face, so "Noir" shows black in the preview as its code ·$1 makes it.
TEST_F(ApplicationTest, UnderADarkDesktopThemeTheWindowsKeepTheLightFace) {
    const QPalette testPalette = QApplication::palette();
    QPalette dark(QColor(0x35, 0x35, 0x35), QColor(0x2A, 0x2A, 0x2A));
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        dark.setColor(role, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x20, 0x20, 0x20));
    QApplication::setPalette(dark);
    useClassicLook();

    platform.answers = {MessageAnswer::No};
    start();
    launch();
    MainWindow& window = app->mainWindow();
    window.findChild<QRadioButton*>(QStringLiteral("Option9"))->click();  // "Noir"
    window.findChild<QPushButton*>(QStringLiteral("Command2"))->click();
    auto* preview = window.findChild<QLabel*>(QStringLiteral("Label5"));
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->palette().color(QPalette::WindowText), QColor(Qt::black));
    EXPECT_EQ(window.palette().color(QPalette::ButtonText), QColor(Qt::black));
    EXPECT_EQ(window.palette().color(QPalette::WindowText), QColor(Qt::black));
    const QColor face = window.palette().color(QPalette::Button);
    EXPECT_GT(face.lightness(), 200) << face.name().toStdString();
    EXPECT_LT(face.lightness(), 255) << face.name().toStdString();
    EXPECT_EQ(window.palette().color(QPalette::Base), QColor(Qt::white));
    QApplication::setPalette(testPalette);
}

// Once loading has finished, "Lancer Chromanick" is the splash's default
// button: Enter launches.
TEST_F(ApplicationTest, EnterOnTheSplashLaunchesOnceItIsEnabled) {
    platform.answers = {MessageAnswer::No};
    start();
    SplashWindow& splash = app->splashWindow();
    auto* launchButton = splash.findChild<QPushButton*>(QStringLiteral("Command1"));
    QTest::keyClick(&splash, Qt::Key_Return);
    EXPECT_FALSE(app->mainWindow().isVisible());
    EXPECT_FALSE(launchButton->isDefault());
    ticks(20);
    QCoreApplication::processEvents();
    ASSERT_TRUE(launchButton->isEnabled());
    EXPECT_TRUE(launchButton->isDefault());
    QWidget* focused = splash.findChild<QWidget*>(QStringLiteral("chklanceauto"));
    focused->setFocus();
    QTest::keyClick(focused, Qt::Key_Return);
    EXPECT_TRUE(app->mainWindow().isVisible());
    EXPECT_FALSE(splash.isVisible());
}

TEST_F(ApplicationTest, QuittingTheMainEditorClosesEveryWindowWithoutAnotherQuestion) {
    platform.answers = {MessageAnswer::No, MessageAnswer::No};
    start();
    launch();
    switchToGradient();
    switchBack();
    platform.messages.clear();
    app->mainWindow().close();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(ended->count(), 1);
    EXPECT_TRUE(app->ended());
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(ApplicationTest, ClosingTheGradientEditorEndsTheProgramHiddenWindowsIncluded) {
    platform.answers = {MessageAnswer::No, MessageAnswer::No};
    start();
    launch();
    switchToGradient();
    platform.messages.clear();
    app->gradientWindow()->close();
    EXPECT_EQ(platform.messages.size(), 1);
    EXPECT_EQ(platform.messages[0].text, GradientEditorModel::kSaveQuestion);
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(anyWindowVisible());
}

TEST_F(ApplicationTest, AGradientCloseWhoseSaveIsCancelledKeepsEverything) {
    platform.answers = {MessageAnswer::No, MessageAnswer::Yes};  // then the dialog is cancelled
    start();
    launch();
    switchToGradient();
    app->gradientWindow()->close();
    EXPECT_TRUE(app->gradientWindow()->isVisible());
    EXPECT_EQ(ended->count(), 0);
}

TEST_F(ApplicationTest, ClosingTheSplashEndsTheProgram) {
    platform.answers = {MessageAnswer::No};
    start();
    ticks(4);
    app->splashWindow().close();
    EXPECT_EQ(ended->count(), 1);
    EXPECT_FALSE(app->splashWindow().timer()->isActive());
    EXPECT_FALSE(anyWindowVisible());
}

TEST(ProgramStart, WithoutADisplayItSaysSoInFrenchAndStops) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(CHROMANICK_PROGRAM), {});
    ASSERT_TRUE(program.waitForFinished(-1));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_NE(program.exitCode(), 0);
    const QString error = QString::fromUtf8(program.readAllStandardError());
    EXPECT_EQ(error.trimmed(), noDisplayMessage(QStringLiteral(CHROMANICK_PROGRAM)));
    EXPECT_TRUE(program.readAllStandardOutput().isEmpty());

    // The program is named as it was started, not as a build folder.
    const QFileInfo built(QStringLiteral(CHROMANICK_PROGRAM));
    program.setWorkingDirectory(built.absolutePath());
    program.start(QStringLiteral("./") + built.fileName(), {});
    ASSERT_TRUE(program.waitForFinished(-1));
    const QString relative = QString::fromUtf8(program.readAllStandardError());
    EXPECT_TRUE(relative.contains(QStringLiteral("« xvfb-run ./") + built.fileName() + " »"))
        << relative.toStdString();
    EXPECT_FALSE(relative.contains(QStringLiteral("build/bin")));
}

TEST(ProgramStart, VersionAndHelpAnswerWithoutADisplay) {
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("HOME"), QDir::tempPath());
    environment.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
    QProcess program;
    program.setProcessEnvironment(environment);
    const auto answer = [&](const QStringList& args) {
        program.start(QStringLiteral(CHROMANICK_PROGRAM), args);
        EXPECT_TRUE(program.waitForFinished(-1));
        EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(program.exitCode(), 0) << args.join(' ').toStdString();
        EXPECT_TRUE(program.readAllStandardError().isEmpty());
        return QString::fromUtf8(program.readAllStandardOutput());
    };
    EXPECT_EQ(answer({QStringLiteral("--version")}), QStringLiteral("Chromanick 6.0.0\n"));

    const QString help = answer({QStringLiteral("--help")});
    EXPECT_EQ(help, usageLine(QStringLiteral(CHROMANICK_PROGRAM)) + u'\n');
    EXPECT_EQ(help.count(u'\n'), 1);
    EXPECT_TRUE(help.startsWith(QStringLiteral("Usage : ") + CHROMANICK_PROGRAM +
                                QStringLiteral(" [--version] [--help]")))
        << help.toStdString();
    // Qt's own options may come first.
    EXPECT_EQ(
        answer({QStringLiteral("-style"), QStringLiteral("Fusion"), QStringLiteral("--version")}),
        QStringLiteral("Chromanick 6.0.0\n"));
}
