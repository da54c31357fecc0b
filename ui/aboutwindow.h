#pragma once

#include "ui/platform.h"

#include <QWidget>

namespace chromanick {

// "Form2", the about window: the program's name and version, where to get
// Messenger Plus!, the contact text, the logo and the two web links. It is
// not modal and stays above every other window. The caption gets the version
// once, when the window is created; opening it again shows the same window.
class AboutWindow : public QWidget {
    Q_OBJECT
public:
    explicit AboutWindow(Platform& platform, QWidget* parent = nullptr);

    // Shows the window (brings it to the front when already open).
    void open();

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void keepAddressWhole();

    Platform& platform_;
};

}  // namespace chromanick
