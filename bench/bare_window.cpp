// The yardstick of the start-up benchmark: a bare Qt Widgets program that
// shows one 1018 × 636 window and quits once the event loop has run.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1018, 636);
    window.show();
    // exit() ends the event loop without asking the windows to close.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
