#pragma once

#include "storage/settingsfiles.h"
#include "ui/platform.h"
#include "ui/splash/splashmodel.h"

#include <QFont>
#include <QObject>
#include <QString>

#include <memory>

namespace chromanick {

class AboutWindow;
class CodeReaderModel;
class CodeReaderWindow;
class GradientEditorModel;
class GradientWindow;
class MainEditorModel;
class MainWindow;
class SplashWindow;

// Where the program finds its settings and Messenger Plus!; tests point both
// elsewhere.
struct ApplicationOptions {
    QString settingsDir = defaultInstallDir();
    QString messengerPlusProgram = SplashModel::kMessengerPlusProgram;
};

// The program's windows and how they meet: the start order (main editor
// first and hidden, then the splash), switching between the two editors with
// the nickname handed over, and the end, which closes every window at once.
// Windows are created on first use, then only shown and hidden.
class Application : public QObject {
    Q_OBJECT
public:
    explicit Application(Platform& platform, ApplicationOptions options = {},
                         QObject* parent = nullptr);
    ~Application() override;

    // Creates the main editor (hidden), then loads and shows the splash.
    void start();

    MainEditorModel& mainModel() const { return *mainModel_; }
    MainWindow& mainWindow() const { return *mainWindow_; }
    SplashModel& splashModel() const { return *splashModel_; }
    SplashWindow& splashWindow() const { return *splashWindow_; }
    // Nothing until the gradient editor is first opened.
    GradientEditorModel* gradientModel() const { return gradientModel_.get(); }
    GradientWindow* gradientWindow() const { return gradientWindow_.get(); }
    // Nothing until the code reader is first opened.
    CodeReaderWindow* codeReader() const { return readerWindow_.get(); }
    // Nothing until the about window is first opened; both editors show this one.
    AboutWindow* aboutWindow() const { return aboutWindow_.get(); }
    bool ended() const { return ended_; }

    // The main editor's switch: the gradient editor takes its nickname.
    void switchToGradientEditor();
    // The gradient editor's switch back, with its nickname handed over.
    void switchToMainEditor();
    // The splash's "Ouvrir Chromanick dégradé": the splash stays.
    void openGradientFromSplash();
    // The splash's launch: the main editor replaces it.
    void launchMainEditor();
    // Either editor's "Lire un code…": the one code reader shows `code`.
    void openCodeReader(const QString& code);
    // Either editor's "A propos": the one about window opens over `over`.
    void openAbout(const QWidget* over);
    // Closes every window, hidden ones included, without another question.
    void endProgram();

signals:
    void programEnded();

private:
    void createMainEditor();
    void createSplash();
    GradientWindow& gradientEditor();

    Platform& platform_;
    ApplicationOptions options_;
    bool ended_ = false;
    std::unique_ptr<MainEditorModel> mainModel_;
    std::unique_ptr<MainWindow> mainWindow_;
    std::unique_ptr<SplashModel> splashModel_;
    std::unique_ptr<SplashWindow> splashWindow_;
    std::unique_ptr<GradientEditorModel> gradientModel_;
    std::unique_ptr<GradientWindow> gradientWindow_;
    std::unique_ptr<CodeReaderModel> readerModel_;
    std::unique_ptr<CodeReaderWindow> readerWindow_;
    std::unique_ptr<AboutWindow> aboutWindow_;
};

// Every window's font is windowFont() (ui/widgets/fonts.h), so that captions
// fit their controls.
void useClassicFont();

// The colours of the palettes are drawn for the classic light window face:
// the windows keep the light standard palette (black text on light grey)
// whatever the desktop's theme, so the preview shows what the code makes.
void useClassicLook();

// True when a windowing system can be reached: a display, a Wayland socket
// or a Qt platform chosen explicitly.
bool displayAvailable();
// The sentence printed when none is, naming `program` as it was started.
QString noDisplayMessage(const QString& program);
// The one line "--help" prints, naming `program` as it was started.
QString usageLine(const QString& program);

}  // namespace chromanick
