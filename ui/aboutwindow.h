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

    // Shows the window over `over`, the window that asked for it, wholly on
    // its screen (brings it to the front when already open).
    void open(const QWidget* over = nullptr);

protected:
    // Escape closes the window.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildControls();
    void keepAddressWhole();
    void placeOver(const QWidget* over);

    Platform& platform_;
};

}  // namespace chromanick
