#pragma once

#include "ui/widgets/windowkit.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;

namespace chromanick {

class GradientEditorModel;
class GradientPreviewGrid;

// "Form3", the gradient editor's window: a view over GradientEditorModel. It
// shows the model's state and forwards every event to it; switching windows,
// ending the program and the help pages are left to the application through
// its signals.
class GradientWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit GradientWindow(GradientEditorModel& model, QWidget* parent = nullptr);

    GradientEditorModel& model() const { return model_; }
    // Ends the window as part of ending the program: closes without asking.
    void closeForProgramEnd();

signals:
    void switchToMainEditorRequested();  // cmdgochromanick, mnubascul
    void programEndRequested();          // mnuexit or closing, once the user agreed
    void siteVisitRequested();           // mnuvisite
    void helpRequested();                // mnuhelp
    void aboutRequested();               // mnuapropos
    // mnulirecode: the code reader opens on Text2's code.
    void codeReaderRequested(const QString& code);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void buildMenus();
    void buildHeader(QWidget* client);
    void buildStyles(QWidget* client);
    void buildPreview(QWidget* client);
    void buildFooter(QWidget* client);
    void buildSmooth(QGroupBox* frame);
    void connectModel();
    void refresh();
    void showCount(const QString& count);
    void fitCount();
    void refreshBackgroundBox();
    void refreshSmooth();
    void refreshCodeLength();
    void requestCodeReader();

    GradientEditorModel& model_;
    WindowEnding ending_;
    QWidget* client_ = nullptr;  // the controls' area, scrolled on a small screen
    QLineEdit* text1_ = nullptr;
    QLabel* label1_ = nullptr;
    QHash<QString, int> countHeights_;  // Label1's height for each count shown
    QCheckBox* bold_ = nullptr;
    QCheckBox* underline_ = nullptr;
    QCheckBox* italic_ = nullptr;
    QCheckBox* strikethrough_ = nullptr;
    GradientPreviewGrid* grid_ = nullptr;
    QCheckBox* backgroundBox_ = nullptr;
    QPushButton* selectBackground_ = nullptr;
    QCheckBox* autoCopy_ = nullptr;
    QPushButton* generate_ = nullptr;
    QPlainTextEdit* text2_ = nullptr;
    // The smooth gradient's controls.
    QCheckBox* smooth_ = nullptr;
    QLabel* smoothStepLabel_ = nullptr;
    QSpinBox* smoothStep_ = nullptr;
    QLabel* codeLength_ = nullptr;  // lbllongueur, under Text2
};

}  // namespace chromanick
