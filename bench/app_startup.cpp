// chromanick_bench_start SETTINGS_FOLDER [--inventaire FILE]
// The program's start-up as the start-up benchmark measures it: the
// application object, the main editor with everything the splash fills in
// (its ticks run at once instead of every 50 ms), the main editor shown, and
// the end as soon as the event loop has run. With --inventaire, the
// controls of every window are then written to FILE (inventory.h), for the
// bare yardstick to build the same ones.
#include "inventory.h"

#include "ui/app/application.h"
#include "ui/qtplatform.h"
#include "ui/splash/splashmodel.h"

#include <QApplication>
#include <QFile>
#include <QTimer>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) return 2;
    const QString inventoryFile = argc >= 4 && QByteArray(argv[2]) == "--inventaire"
                                      ? QString::fromLocal8Bit(argv[3])
                                      : QString();
    chromanick::installFrenchTranslations(app);
    chromanick::QtPlatform platform;
    chromanick::ApplicationOptions options;
    options.settingsDir = QString::fromLocal8Bit(argv[1]);
    // An existing file stands for Messenger Plus!, so that no question waits
    // for an answer.
    options.messengerPlusProgram = QString::fromLocal8Bit(argv[0]);
    chromanick::Application application(platform, options);
    application.start();
    chromanick::SplashModel& splash = application.splashModel();
    while (!splash.settled()) splash.tick();
    splash.launch();
    // exit() ends the event loop without asking the windows to close.
    QTimer::singleShot(0, &app, [&] {
        int status = 0;
        if (!inventoryFile.isEmpty()) {
            QFile file(inventoryFile);
            if (file.open(QIODevice::WriteOnly))
                chromanick::bench::write(chromanick::bench::inventoryOfApplication(), file);
            else
                status = 1;
        }
        QCoreApplication::exit(status);
    });
    return app.exec();
}
