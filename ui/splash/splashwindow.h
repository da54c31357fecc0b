#pragma once

#include "ui/widgets/windowkit.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTimer;

namespace chromanick {

class SplashModel;

// "frmSplash", the window the user sees first: a view over SplashModel with
// the 50 ms timer that drives its progress.
class SplashWindow : public QWidget {
    Q_OBJECT
public:
    explicit SplashWindow(SplashModel& model, QWidget* parent = nullptr);

    SplashModel& model() const { return model_; }
    QTimer* timer() const { return timer_; }
    // Ends the window as part of ending the program.
    void closeForProgramEnd();

signals:
    // The user closed the splash: the program ends.
    void programEndRequested();

protected:
    void closeEvent(QCloseEvent* event) override;
    // Enter presses the focused button, else "Lancer Chromanick" (the default
    // button) once it is enabled.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void refresh();
    void step();

    SplashModel& model_;
    QTimer* timer_;
    WindowEnding ending_;
    QPlainTextEdit* welcome_ = nullptr;  // Text1
    QLabel* percent_ = nullptr;          // Label1
    QLabel* message_ = nullptr;          // Label2
    QLabel* answer_ = nullptr;           // Label4
    QProgressBar* progress_ = nullptr;   // ProgressBar1
    QCheckBox* autoLaunch_ = nullptr;    // chklanceauto
    QCheckBox* visitSite_ = nullptr;     // chkvisitechromanick
    QPushButton* launch_ = nullptr;      // Command1
};

}  // namespace chromanick
