// Entry point of the desktop program.
#include <QApplication>
#include <QLabel>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("Chromanick 6.0.0"));
    label.setTextFormat(Qt::PlainText);
    label.show();
    return app.exec();
}
