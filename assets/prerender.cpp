// chromanick_prerender OUTPUT RATIO (RESOURCE FILE WIDTHxHEIGHT)...
// Run while building: draws each SVG picture FILE at WIDTH × HEIGHT pixels
// and RATIO device pixels per pixel, exactly as the program would draw it,
// and writes them all as one set of pictures drawn ahead (ui/prerendered.h)
// under their resource names.
#include "ui/prerendered.h"
#include "ui/svgpicture.h"

#include <QFile>
#include <QGuiApplication>
#include <QSaveFile>

#include <cstdio>

int main(int argc, char** argv) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 3 || (args.size() - 3) % 3 != 0) {
        std::fprintf(stderr, "usage: %s OUTPUT RATIO (RESOURCE FILE WIDTHxHEIGHT)...\n", argv[0]);
        return 2;
    }
    const int ratio = args[2].toInt();
    if (ratio < 1) {
        std::fprintf(stderr, "ratio invalide : %s\n", qPrintable(args[2]));
        return 2;
    }
    QList<chromanick::PrerenderedPicture> pictures;
    for (qsizetype i = 3; i + 2 < args.size(); i += 3) {
        const QStringList size = args[i + 2].split(QLatin1Char('x'));
        const QSize logical(size.value(0).toInt(), size.value(1).toInt());
        const QImage image = chromanick::renderSvgPicture(args[i + 1], logical, ratio);
        if (image.isNull()) {
            std::fprintf(stderr, "image illisible : %s\n", qPrintable(args[i + 1]));
            return 1;
        }
        pictures.append({args[i], logical, image});
    }
    QSaveFile out(args[1]);
    if (!out.open(QIODevice::WriteOnly) ||
        out.write(chromanick::encodePrerendered(ratio, pictures)) < 0 || !out.commit()) {
        std::fprintf(stderr, "écriture impossible : %s\n", qPrintable(args[1]));
        return 1;
    }
    return 0;
}
