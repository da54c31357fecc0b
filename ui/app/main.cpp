// Entry point of the desktop program: the splash first, then the main editor.
#include "assets/resources.h"
#include "core/appinfo.h"
#include "ui/app/application.h"
#include "ui/qtplatform.h"

#include <QApplication>
#include <QIcon>

#include <cstdio>
#include <cstring>
#include <optional>

namespace {

// "--version" and "--help" are answered on stdout before anything needs a
// display; any other argument is left to Qt.
std::optional<QString> commandLineAnswer(int argc, char** argv, const QString& program) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--version") == 0) return chromanick::appinfo::versionLine();
        if (std::strcmp(argv[i], "--help") == 0) return chromanick::usageLine(program);
    }
    return std::nullopt;
}

}  // namespace

int main(int argc, char** argv) {
    const QString program = QString::fromLocal8Bit(argc > 0 ? argv[0] : "chromanick");
    if (const std::optional<QString> answer = commandLineAnswer(argc, argv, program)) {
        std::printf("%s\n", qPrintable(*answer));
        return 0;
    }
    // Without a display Qt would only print a toolkit error and abort.
    if (!chromanick::displayAvailable()) {
        std::fprintf(stderr, "%s\n", qPrintable(chromanick::noDisplayMessage(program)));
        return 1;
    }

    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(chromanick::assets::iconPath()));
    // The name of the installed desktop entry, which is also the AppStream id.
    app.setDesktopFileName(QStringLiteral(CHROMANICK_APP_ID));
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
