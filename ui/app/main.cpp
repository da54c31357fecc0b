// Entry point of the desktop program: the splash first, then the main editor.
#include "ui/app/application.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>

int main(int argc, char** argv) {
    // Without a display Qt would only print a toolkit error and abort.
    if (!chromanick::displayAvailable()) {
        const QString program = QString::fromLocal8Bit(argc > 0 ? argv[0] : "chromanick");
        std::fprintf(stderr, "%s\n", qPrintable(chromanick::noDisplayMessage(program)));
        return 1;
    }

    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/icons/chromanick.svg")));
    app.setDesktopFileName(QStringLiteral("chromanick"));
    // The program ends through its own closing questions, never because a
    // window happened to be the last one shown.
    app.setQuitOnLastWindowClosed(false);
    chromanick::installFrenchTranslations(app);
    chromanick::useClassicLook();
    chromanick::useClassicFont();

    chromanick::QtPlatform platform;
    chromanick::Application chromanick(platform);
    chromanick.start();
    return app.exec();
}
