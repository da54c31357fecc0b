#pragma once

#include "ui/editor/mainmodel.h"
#include "ui/widgets/windowkit.h"

#include <QMainWindow>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace chromanick {

class EmoticonPanel;
class PaletteFrame;
class Picture;

// "Form1", the main editor window. It only shows MainEditorModel and forwards
// the user's actions to it: every decision (what a click does, which message
// to show, what the preview becomes) is the model's. The window copies the
// model's state into its widgets with their signals blocked, so that showing
// the state never runs a handler again.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(MainEditorModel& model, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Ends the window as part of ending the program: closes without asking.
    void closeForProgramEnd();

signals:
    // "Basculer vers Chromanick Dégradé.": the shell shows the gradient editor
    // with this editor's nickname in its nickname box, then hides this window.
    void switchToGradientRequested();
    // "Quitter" or closing the window, once the model agreed to end.
    void programEndRequested();
    // "Lire un code…": the shell opens the code reader on Text2's code.
    void codeReaderRequested(const QString& code);
    // "A propos de ...": the shell shows the about window over this one.
    void aboutRequested();
    void helpRequested();        // aide2
    void newVersionRequested();  // newversion
    void siteRequested();        // chromanick: asks before opening the site
    void siteVisitRequested();   // Image1: tells, then opens the site

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Building (mainwindowbuild.cpp).
    void buildControls(QWidget* client);
    void buildDecorationRow(QWidget* client);
    void buildPalettes(QWidget* client);
    void buildStyleAndOptions(QWidget* client);
    void buildOutputArea(QWidget* client);
    void buildInformation(QWidget* client);
    void fitVersionBox();
    void wireControls();
    void buildMenus();  // mainwindow.cpp: each entry with its handler

    // Copying the model into the widgets (mainwindowsync.cpp).
    void syncFromModel();
    void syncNickname();
    void syncDecorations();
    void syncColours();
    void syncChecks();
    void syncOutput();
    void syncCodeLength();
    // Generation and "Nouveau" replace whatever the user typed into Text2.
    void showModelOutput();
    void syncPreview();

    // Actions that go beyond one model call.
    void insertEmoticon(int tableIndex);
    void requestCodeReader();

    MainEditorModel& model_;
    QWidget* client_ = nullptr;  // the controls' area, scrolled on a small screen
    WindowEnding ending_;

    // What the widgets last received from the model, so that a sync leaves
    // the user's caret, typing and edits alone where the model did not move.
    QString shownNickname_;
    int shownCaret_ = -1;
    QString shownOutput_;
    bool firstSync_ = true;

    QPushButton* balancePrefixButton_ = nullptr;  // cmdequilibre1
    QComboBox* prefixBox_ = nullptr;              // Combo1
    QLineEdit* nicknameBox_ = nullptr;            // Text1
    QComboBox* suffixBox_ = nullptr;              // Combo2
    QPushButton* balanceSuffixButton_ = nullptr;  // cmdequilibre2
    QLineEdit* versionBox_ = nullptr;             // txtversion
    QCheckBox* lookalikeBox_ = nullptr;           // chkcaracspe
    QPushButton* gradientButton_ = nullptr;       // Command3
    PaletteFrame* foregroundFrame_ = nullptr;     // Frame1_1
    PaletteFrame* backgroundFrame_ = nullptr;     // Frame1_2
    EmoticonPanel* emoticonPanel_ = nullptr;      // Frame5
    QCheckBox* boldBox_ = nullptr;                // Check1
    QCheckBox* underlineBox_ = nullptr;           // Check2
    QCheckBox* italicBox_ = nullptr;              // Check3
    QCheckBox* strikeBox_ = nullptr;              // chkbarre
    QCheckBox* ditSuppressBox_ = nullptr;         // chkoptspecial
    QCheckBox* ditColourBox_ = nullptr;           // chkcolordi
    QComboBox* sizeBox_ = nullptr;                // Combo3
    QPushButton* previewButton_ = nullptr;        // Command2
    QPushButton* generateButton_ = nullptr;       // Command1
    QCheckBox* autoCopyBox_ = nullptr;            // chkcopiauto
    QPlainTextEdit* outputBox_ = nullptr;         // Text2
    QLabel* codeLength_ = nullptr;                // lbllongueur
    QLabel* previewLabel_ = nullptr;              // Label5
    Picture* siteImage_ = nullptr;                // Image1

    QAction* emoticonsAction_ = nullptr;  // activemoti
};

}  // namespace chromanick
