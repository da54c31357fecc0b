#pragma once

#include "storage/settingsfiles.h"
#include "ui/platform.h"

#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

namespace chromanick {

// The start-up splash ("frmSplash") without its widgets: the loading step,
// the progress ticks that fill the main editor's decoration lists, and the
// launch that remembers the user's answers in nkp.dll. The window drives
// `tick()` from a 50 ms timer; tests call it directly.
class SplashModel : public QObject {
    Q_OBJECT
public:
    // Receives the user entries of combo1.dll and combo2.dll; the receiver
    // puts the built-in entries first.
    using FillDecorationLists =
        std::function<void(const QStringList& userPrefixes, const QStringList& userSuffixes)>;

    // Where Messenger Plus! 3 installs its program. Off Windows the file never
    // exists, so the question is asked until the user answers "Annuler".
    static inline const QString kMessengerPlusProgram =
        QStringLiteral("C:\\Program Files\\MessengerPlus! 3\\MsgPlus.exe");
    static inline const QString kInitialAnswer = QStringLiteral("label4");
    static inline const QString kDoNotAskAnswer = QStringLiteral("Ok");
    static inline const QString kLastMessage = QStringLiteral("Chargement terminé avec succé");

    SplashModel(Platform& platform, SettingsFolder folder, FillDecorationLists fillLists,
                QString messengerPlusProgram = kMessengerPlusProgram, QObject* parent = nullptr);

    static QString defaultWelcomeText();
    static QString messengerPlusQuestion();
    // The progress message shown for a percentage caption, empty for none.
    static QString messageFor(const QString& percentText);

    // --- State, as the controls show it ---
    const QString& welcomeText() const { return welcomeText_; }     // Text1
    const QString& percentText() const { return percentText_; }     // Label1
    const QString& progressMessage() const { return message_; }     // Label2
    const QString& messengerPlusAnswer() const { return answer_; }  // Label4
    int progress() const { return progress_; }                      // ProgressBar1
    bool launchEnabled() const { return launchEnabled_; }           // Command1
    bool autoLaunch() const { return autoLaunch_; }                 // chklanceauto
    bool visitSite() const { return visitSite_; }                   // chkvisitechromanick
    // True once further ticks can change nothing.
    bool settled() const { return progress_ == 100 && message_ == kLastMessage; }

    // --- Handlers ---
    void load();                  // Form_Load
    void tick();                  // Timer1_Timer
    void launch();                // Command1_Click
    void openGradientEditor();    // Command3_Click
    void setAutoLaunch(bool on);  // chklanceauto
    void setVisitSite(bool on);   // chkvisitechromanick
    void setWelcomeText(const QString& text);
    // The main editor's loading: the last field of intmsg.dll, when the file
    // has one, replaces the welcome message.
    void loadWelcomeMessage();

signals:
    void changed();
    void launchRequested();          // show the main editor, hide the splash
    void gradientEditorRequested();  // show the gradient editor, the splash stays

private:
    void askAboutMessengerPlus();
    void fillLists();
    void advance();

    Platform& platform_;
    SettingsFolder folder_;
    FillDecorationLists fillLists_;
    QString messengerPlusProgram_;
    QString welcomeText_;
    QString percentText_;
    QString message_;
    QString answer_ = kInitialAnswer;
    int progress_ = 0;
    bool launchEnabled_ = false;
    bool autoLaunch_ = false;
    bool visitSite_ = false;
};

}  // namespace chromanick
