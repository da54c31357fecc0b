// The yardstick of the start-up benchmark: a bare Qt Widgets program that
// shows one 1018 × 636 window and quits once the event loop has run. With
// the argument "texte" the window also shows one line of text, which is what
// loading the fonts costs.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(1018, 636);
    if (argc > 1 && QByteArray(argv[1]) == "texte")
        (new QLabel(QStringLiteral("Chromanick"), &window))->setTextFormat(Qt::PlainText);
    window.show();
    // exit() ends the event loop without asking the windows to close.
    QTimer::singleShot(0, &app, [] { QCoreApplication::exit(0); });
    return app.exec();
}
